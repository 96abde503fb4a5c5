#pragma once

class QWidget;

// The window that owns the dialogs of the editing aids: the one holding the
// active document (the main window), or none without a document.
QWidget* DialogOwner();
