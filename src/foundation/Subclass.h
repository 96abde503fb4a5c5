#pragma once

#include "platform/scintilla/SciNotification.h"
#include "platform/scintilla/SciView.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <optional>

class frmDoc;

// Lines waiting to be parsed, keyed by the handle of the re-parse marker on
// each: a key is held once, and the keys come out in the order they went in.
class ParseQueue {
public:
    void add(int markerHandle);
    bool contains(int markerHandle) const { return members_.contains(markerHandle); }
    void remove(int markerHandle);
    void clear();
    bool isEmpty() const { return order_.isEmpty(); }
    int count() const { return order_.size(); }
    const QList<int>& keys() const { return order_; }

private:
    QList<int> order_;
    QSet<int> members_;
};

// The receiver of one document's view notifications and the notification
// handler's state for that document. Attaching it to a view routes every
// notification of that view, and of no other, to WindowProc.
class cSubclass : public QObject {
    Q_OBJECT
public:
    cSubclass() = default;
    ~cSubclass() override;

    // Attaches to the view; a view already attached (to this or another
    // object) is left as it is. A null view does nothing.
    void SubClass(SciView* view);
    // Detaches; does nothing when not attached or when the view is gone.
    void UnSubClass();
    // Parses what the handler still holds back, while the document is current.
    void DeactivateCheck();
    // Ends the wait cursor a change of many lines started, which otherwise
    // lasts until the next update of the view that changed.
    static void EndWaitForManyLines();

    // Has the next styling request restyle every visible line, not only
    // the lines that scrolled into view.
    void RestyleOnNextRequest() { mOldStartLine = kRestyleAll; }

    // The notification handler of the document: every notification of the
    // attached view arrives here.
    virtual void WindowProc(const SciNotification& scn);

    // The object attached to a view, or null.
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

protected:
    // Keeps the text of the key being pressed: notifications before an
    // insertion carry no text, and typing is told apart by it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // An insertion announced before it happened; its own step runs at the
    // handler's next entry, when the text is there.
    struct PendingInsertion {
        long position;
        long length;
        long linesBefore;
        bool atLineStart;  // Scintilla then moves the line's markers down with its text
    };

    void routeNotifications(SciView* view);
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

    QPointer<SciView> mHwnd;
    QList<int> mParseKeys;
    bool mJoinTrimPending = false;
    bool mLastTypedBlank = false;
    bool mRecolorCaretLine = false;
    std::optional<PendingInsertion> mPendingInsertion;
    QByteArray mKeyText;
};
