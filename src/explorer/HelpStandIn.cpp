#include "explorer/HelpStandIn.h"

namespace frmMainHelp {
QWidget* Load() {
    return nullptr;
}
}
