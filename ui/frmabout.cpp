#include "ui/frmabout.h"

namespace kinwheel {

void showAboutBox(AppContext&, QWidget*) {}

} // namespace kinwheel
