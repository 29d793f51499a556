#pragma once
// Start-up and end of the program.

#include <QString>

#include <optional>

namespace kinwheel {

class InstanceGuard;
class frmMain;
struct AppContext;

// The start-up sequence: single-instance check, update reminder, main window,
// offer-label draw, then the reading file given on the command line opened as
// File > Open opens it. Returns the main window (closed, and deleted at the
// next turn of the event loop, once an opened reading has replaced it), or
// nullptr when another instance is running (the user has been told; nothing
// is shown).
frmMain* RunStartup(InstanceGuard& guard, AppContext& context, const std::optional<QString>& file = std::nullopt);

// Decides which of the main window's two offer labels is seen; once per run.
void CoBrand_Randomize(frmMain& window, AppContext& context);

// Closes every window of the program and leaves the event loop.
void EndProgram();

} // namespace kinwheel
