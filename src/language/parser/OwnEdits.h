#pragma once

#include "platform/scintilla/SciView.h"

// For as long as it lives, the program changes the text or styles of the
// current view itself: the notification handler ignores the changes
// (gIgnoreSciModified), and the view does not report them at all, which
// spares the component work for every change that grows with the length of
// the document (a document's view still announces insertions and deletions,
// for the markers it keeps itself). Scopes nest.
class OwnEdits {
public:
    OwnEdits();
    ~OwnEdits();
    OwnEdits(const OwnEdits&) = delete;
    OwnEdits& operator=(const OwnEdits&) = delete;

private:
    long viewId_;
    SciHandle view_;  // the view this scope silenced
    bool ignoring_;
    const OwnEdits* outer_;
    long reported_ = 0;  // the view's modification event mask, when this scope silenced it
};
