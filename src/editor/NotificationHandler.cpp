#include "foundation/Subclass.h"

// The editor's notification handler. It does nothing yet: parsing, colouring
// and the typing aids will hang off these two entry points.

void cSubclass::WindowProc(const SciNotification&) {}

void cSubclass::DeactivateCheck() {}
