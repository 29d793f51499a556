#pragma once
// The about box.

class QWidget;

namespace kinwheel {

struct AppContext;

// Opens the about box modally over parent.
void showAboutBox(AppContext& context, QWidget* parent);

} // namespace kinwheel
