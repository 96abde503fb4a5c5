#pragma once

class QWidget;

// The help browser is not built yet: there is no help form to open.
namespace frmMainHelp {
// The help browser's host form, or null while there is none.
QWidget* Load();
}
