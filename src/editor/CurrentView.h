#pragma once

#include "platform/scintilla/SciView.h"

#include <QPointer>
#include <QString>

class frmDoc;

// The current view: the document every Scintilla wrapper addresses. Only
// ActivateDocument (editor/ActiveDocument.h) writes them for good; the
// scoped switch below and the notification handler's switch to a
// background document write them for a scope. Normally gSciWndData is gActiveDoc's view; the options and
// style loops and Save As move gSciWndData alone for a scope. An active
// document that closes leaves gSciWndData on its closed view, where every
// call does nothing.
extern QPointer<frmDoc> gActiveDoc;
extern SciHandle gSciWndData;

// The document window ID of the editor used last before the help browser
// took the focus, so that the help browser can return to it.
extern QString gLastEditorWindowID;

// True when there is an active document and its view is alive.
bool IsEditorActive();

// Switches the current view for a scope and restores both gActiveDoc and
// gSciWndData as they were when it ends, also when an exception passes.
// Switches nest.
class ScopedCurrentView {
public:
    // Moves gSciWndData alone; gActiveDoc stays.
    explicit ScopedCurrentView(const SciHandle& view);
    // Makes the document active and its view current.
    explicit ScopedCurrentView(frmDoc& doc);
    ~ScopedCurrentView();

    ScopedCurrentView(const ScopedCurrentView&) = delete;
    ScopedCurrentView& operator=(const ScopedCurrentView&) = delete;

private:
    QPointer<frmDoc> savedDoc_;
    SciHandle savedView_;
};
