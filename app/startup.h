#pragma once
// Start-up and end of the program.

namespace kinwheel {

class InstanceGuard;
class frmMain;
struct AppContext;

// The start-up sequence: single-instance check, update reminder, main window,
// offer-label draw. Returns the main window now shown, or nullptr when
// another instance is running (the user has been told; nothing is shown).
frmMain* RunStartup(InstanceGuard& guard, AppContext& context);

// Decides which of the main window's two offer labels is seen; once per run.
void CoBrand_Randomize(frmMain& window, AppContext& context);

// Closes every window of the program and leaves the event loop.
void EndProgram();

} // namespace kinwheel
