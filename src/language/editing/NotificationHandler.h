#pragma once

#include "editor/NotificationHandlerHooks.h"
#include "foundation/Subclass.h"
#include "language/editing/ParseQueue.h"

#include <QByteArray>
#include <QList>

#include <optional>

class frmDoc;

// The notification handler of one document: every notification of the
// document's view arrives here, with the handler's state for that document.
class cSubclass : public cViewSubclass {
    Q_OBJECT
public:
    cSubclass();
    ~cSubclass() override;

    // Parses what the handler still holds back, while the document is current.
    void DeactivateCheck();
    // Ends the wait cursor a change of many lines started, which otherwise
    // lasts until the next update of the view that changed.
    static void EndWaitForManyLines();

    // Has the next styling request restyle every visible line, not only
    // the lines that scrolled into view.
    void RestyleOnNextRequest() { mOldStartLine = kRestyleAll; }

    void WindowProc(const SciNotification& scn) override;

    // The handler attached to a view, or null.
    static cSubclass* SubclassFromView(const SciView* view);

    SciHandle mSciWndData;
    frmDoc* mFrmDoc = nullptr;  // the owning document, which outlives this object
    ParseQueue ParseNeeded;
    QByteArray UnparsedText;
    long UnparsedLine = -1;
    bool mShowCallTip = false;
    bool mLastOperationUndoRedo = false;
    static constexpr long kRestyleAll = -100;
    long mOldStartLine = 0;
    long mOldEndLine = 0;
    bool mJustActivated = false;

private:
    // An insertion announced before it happened; its own step runs at the
    // handler's next entry, when the text is there.
    struct PendingInsertion {
        long position;
        long length;
        long linesBefore;
        bool atLineStart;  // Scintilla then moves the line's markers down with its text
    };

    void activated(frmDoc* doc);
    void handleNotification(const SciNotification& scn);
    void styleNeeded();
    void charAdded(int ch);
    void modified(const SciNotification& scn);
    void beforeDeletion(long startLine, long endLine, const SciNotification& scn);
    // The code model's side of a deletion of part of the text.
    void beforeDeletionOfLines(long startLine, long endLine);
    void beforeInsertion(long startLine, long endLine, const SciNotification& scn);
    void afterInsertion();
    void updateUI();
    void marginClick(const SciNotification& scn);
    void painted();
    void focusChanged(bool focused);
    void RefreshOtherDocuments();
    void queueLine(long line);
    void takeUnderEdit(long line);
    // Takes out what the saved text declared; its records' markers are on markersLine.
    void releaseUnparsedLine(long markersLine);
    void drainParseQueue(bool sequential);

    QList<int> mParseKeys;
    bool mJoinTrimPending = false;
    bool mLastTypedBlank = false;
    bool mRecolorCaretLine = false;
    std::optional<PendingInsertion> mPendingInsertion;
};
