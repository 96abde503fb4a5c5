#pragma once

class QWidget;

// The window that owns the dialogs of the editing aids: the host's main
// window; without one, the window holding the active document, or none.
QWidget* DialogOwner();
