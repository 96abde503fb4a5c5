#include "explorer/ExplorerListStandIn.h"

namespace frmList {
bool ShowOnlyFile() {
    return false;
}
}

namespace frmMainList {
void AllConstructsDirty() {}
}
