#include "ui/frmsave.h"

namespace kinwheel {

void showReportWindow(AppContext&, QWidget*) {}

} // namespace kinwheel
