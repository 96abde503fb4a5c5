#include "explorer/HelpStandIn.h"

namespace frmMainHelp {
QWidget* Load() {
    return nullptr;
}
}

namespace frmList {
bool ShowOnlyFile() {
    return false;
}
}

namespace frmMainList {
void AllConstructsDirty() {}
}
