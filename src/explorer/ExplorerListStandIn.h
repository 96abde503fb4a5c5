#pragma once

// The code explorer's current-file view is not built yet: the explorer
// always shows the whole project.
namespace frmList {
bool ShowOnlyFile();
}

namespace frmMainList {
void AllConstructsDirty();
}
