#include "language/parser/OwnEdits.h"

#include "editor/CurrentView.h"
#include "language/parser/Parser.h"

using S = QsciScintillaBase;

OwnEdits::OwnEdits()
    : view_(gSciWndData), ignoring_(gIgnoreSciModified), reported_(SciDirect(view_, S::SCI_GETMODEVENTMASK)) {
    gIgnoreSciModified = true;
    if (reported_)
        SciDirect(view_, S::SCI_SETMODEVENTMASK, 0);
}

OwnEdits::~OwnEdits() {
    if (reported_)
        SciDirect(view_, S::SCI_SETMODEVENTMASK, static_cast<uptr_t>(reported_));
    gIgnoreSciModified = ignoring_;
}
