#include "ui/frmmain.h"

namespace kinwheel {

// Opening a saved reading comes with the reading files; until then it does nothing.
void frmMain::cmdOpen_Click() {}

} // namespace kinwheel
