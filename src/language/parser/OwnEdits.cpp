#include "language/parser/OwnEdits.h"

#include "editor/CurrentView.h"
#include "language/parser/Parser.h"

using S = QsciScintillaBase;

namespace {
// The innermost scope alive: one nested in a scope of the same view finds
// the view silent already, and asks it nothing (a whole-document parse
// opens one per line).
const OwnEdits* gInnermost = nullptr;
}

OwnEdits::OwnEdits() : viewId_(gSciWndData.id()), ignoring_(gIgnoreSciModified), outer_(gInnermost) {
    gIgnoreSciModified = true;
    gInnermost = this;
    // Copying the handle counts a reference: a nested scope takes none.
    if (outer_ && outer_->viewId_ == viewId_ && gSciWndData.isAlive())
        return;
    view_ = gSciWndData;
    reported_ = SciDirect(view_, S::SCI_GETMODEVENTMASK);
    if (reported_)
        SciDirect(view_, S::SCI_SETMODEVENTMASK, 0);
}

OwnEdits::~OwnEdits() {
    if (reported_)
        SciDirect(view_, S::SCI_SETMODEVENTMASK, static_cast<uptr_t>(reported_));
    gIgnoreSciModified = ignoring_;
    gInnermost = outer_;
}
