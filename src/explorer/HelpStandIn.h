#pragma once

class QWidget;

// The help browser and the code explorer's current-file view are not built
// yet: there is no help form to open, and the explorer always shows the
// whole project.
namespace frmMainHelp {
// The help browser's host form, or null while there is none.
QWidget* Load();
}

namespace frmList {
bool ShowOnlyFile();
}

namespace frmMainList {
void AllConstructsDirty();
}
