#pragma once
// The report window: the whole reading as formatted text, with Save and Print.

class QWidget;

namespace kinwheel {

struct AppContext;

// Opens the report window modally over parent, composed from the current reading.
void showReportWindow(AppContext& context, QWidget* parent);

} // namespace kinwheel
