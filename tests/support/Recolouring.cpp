#include "support/Recolouring.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "language/editing/NotificationHandler.h"
#include "language/colour/Colouring.h"
#include "language/parser/OwnEdits.h"

void ReColorFile() {
    OwnEdits ownEdits;
    const long last = SciLineFromPosition(SciGetLength());
    for (long line = 0; line <= last; ++line)
        ReColorLine(static_cast<int>(line));
    if (gActiveDoc)
        gActiveDoc->m_oSubclass->RestyleOnNextRequest();
}
