#include "language/editing/NotificationHandler.h"

#include "editor/ActiveDocument.h"
#include "editor/Bookmarks.h"
#include "editor/Breakpoints.h"
#include "editor/CurrentView.h"
#include "editor/EditorSetup.h"
#include "editor/EditorStyles.h"
#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/WindowHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/Colouring.h"
#include "language/complete/CompletionFlags.h"
#include "language/editing/TypingAids.h"
#include "language/lexer/CharTables.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "platform/Host.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>

// The handler of every notification of a document's view. A notification of
// a document that is not the active one is handled with that document
// made current; whatever happens, the active document, its view, its project
// and its open undo group are those of before when the handler returns.

namespace {

constexpr int kMarkerMargin = 1;
constexpr int kFoldMargin = 2;

// The focus moves without any edit, and the document tells of its save point
// while text goes in, before the view has placed the new lines: neither ends
// a pending insertion.
bool endsPendingInsertion(int code) {
    return code != SCN_FOCUSIN && code != SCN_FOCUSOUT && code != SCN_SAVEPOINTLEFT && code != SCN_SAVEPOINTREACHED;
}

class DocumentSwitch {
public:
    DocumentSwitch(frmDoc* doc, const SciHandle& view)
        : doc_(gActiveDoc), view_(gSciWndData), project_(gActiveProject), undoGroupOpen_(gUndoGroupOpen) {
        if (doc && doc != gActiveDoc) {
            gActiveDoc = doc;
            gActiveProject = gProjects.Item(doc->PrjFullPath);
            gSciWndData = view;
            // An undo group open on the active document is not this one's to close.
            gUndoGroupOpen = false;
            switched_ = true;
        }
    }
    ~DocumentSwitch() {
        gActiveDoc = doc_;
        gSciWndData = view_;
        gActiveProject = project_;
        if (switched_)
            gUndoGroupOpen = undoGroupOpen_;
    }
    DocumentSwitch(const DocumentSwitch&) = delete;
    DocumentSwitch& operator=(const DocumentSwitch&) = delete;

private:
    QPointer<frmDoc> doc_;
    SciHandle view_;
    ProjectPtr project_;
    bool undoGroupOpen_;
    bool switched_ = false;
};

void openDroppedFile(const QUrl& uri) {
    const QString path = uri.toLocalFile();
    if (!path.isEmpty() && !QFileInfo(path).isDir())
        platform::host().openFile(path);
}

// " 12" for 12: a number shown with a place for its sign.
QString signedNumber(long number) {
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number);
}

}

NotificationHandlerPtr NewNotificationHandler() {
    return NotificationHandlerPtr(new cSubclass, [](cSubclass* handler) { delete handler; });
}

void AttachNotificationHandler(frmDoc& doc) {
    doc.m_oSubclass->SubClass(doc.Sci);
    doc.m_oSubclass->mSciWndData = doc.SciEdi_WndData;
    doc.m_oSubclass->mFrmDoc = &doc;
}

cSubclass::cSubclass() {
    connect(&activeDocumentNotifier(), &ActiveDocumentNotifier::activeDocumentChanged, this, &cSubclass::activated);
}

cSubclass::~cSubclass() {
    mFrmDoc = nullptr;
    UnSubClass();
}

cSubclass* cSubclass::SubclassFromView(const SciView* view) {
    return qobject_cast<cSubclass*>(FromView(view));
}

// The activated document restyles what it shows and settles its view at its next paint.
void cSubclass::activated(frmDoc* doc) {
    if (!doc || doc != mFrmDoc)
        return;
    RestyleOnNextRequest();
    mJustActivated = true;
}

void cSubclass::WindowProc(const SciNotification& scn) {
    if (gShowingError)
        return;
    if (scn.code == SCN_URIDROPPED) {
        try {
            openDroppedFile(scn.uri);
        } catch (...) {
            SetErrorLog(QStringLiteral("WindowProc"), QStringLiteral("cSubclass"));
        }
        return;
    }
    if (!mFrmDoc)
        return;
    DocumentSwitch current(mFrmDoc, mSciWndData);
    try {
        if (!IsEditorActive())
            return;
        if (mPendingInsertion && endsPendingInsertion(scn.code))
            afterInsertion();
        handleNotification(scn);
    } catch (...) {
        SetErrorLog(QStringLiteral("WindowProc"), QStringLiteral("cSubclass"));
    }
}

void cSubclass::handleNotification(const SciNotification& scn) {
    switch (scn.code) {
    case SCN_STYLENEEDED:
        styleNeeded();
        break;
    case SCN_CHARADDED:
        charAdded(scn.ch);
        break;
    case SCN_SAVEPOINTREACHED:
        gActiveDoc->setDirty(false);
        break;
    case SCN_SAVEPOINTLEFT:
        // Also the edits the handler does not see (the parser's, the indentation commands') leave the save point.
        gActiveDoc->setDirty(true);
        break;
    case SCN_MODIFIED:
        modified(scn);
        break;
    case SCN_UPDATEUI:
        updateUI();
        break;
    case SCN_MARGINCLICK:
        marginClick(scn);
        break;
    case SCN_PAINTED:
        painted();
        break;
    case SCN_FOCUSOUT:
        focusChanged(false);
        break;
    case SCN_FOCUSIN:
        focusChanged(true);
        break;
    default:
        break;
    }
}

void cSubclass::styleNeeded() {
    const long first = SciGetFirstVisibleLine();
    const long last = first + SciLinesOnScreen() + 1;
    const long endLine = SciDocLineFromVisible(last);
    if (first == mOldStartLine && endLine == mOldEndLine)
        return;
    SciAutoCCancel();
    SciCallTipCancel();
    mOldStartLine = first;
    mOldEndLine = endLine;
    {
        OwnEdits own;
        const long lineCount = SciGetLineCount();
        long prev = -100;
        for (long v = first; v <= last; ++v) {
            const long line = SciDocLineFromVisible(v);
            // The display lines of a wrapped line, and those past the end, name the same line.
            if (line == prev)
                continue;
            if (line > prev + 1) {
                gCurrentFunction.clear();
                gCurrentType.clear();
            }
            if (line == UnparsedLine)
                ColorUnparsedLineLight(int(line), true, UnparsedText);
            else if (SciMarkerGet(line) & markerMask(MARKER_PARSED))
                ColorLineLight(int(line), true);
            else if (line < lineCount)
                mOldStartLine = kRestyleAll;
            prev = line;
        }
        EndLightColouringWalk();
    }
    if (gConstructsChanged) {
        gConstructsChanged = false;
        platform::host().refreshCodeExplorer();
        if (!gActiveDoc->SingleFile)
            RefreshOtherDocuments();
    }
}

void cSubclass::charAdded(int ch) {
    gCharAdded = true;
    if (ch >= 0 && ch < 65536 && gIsIdentChar[ch]) {
        mLastTypedBlank = false;
        return;
    }
    switch (ch) {
    case '\r':
    case '\n':
        if (AutoIndentType == 1)
            CopyIndentationToNewLine();
        break;
    case ' ':
        mShowCallTip = true;
        mLastTypedBlank = true;
        break;
    case '(':
    case ',':
        mShowCallTip = true;
        break;
    case '+':
    case '-': {
        const long caret = SciGetCurrentPos();
        if (ReplaceVarPlusPlus && caret >= 2 && SciGetCharAt(caret - 2) == ch)
            ExpandPlusPlus(caret - 1, ch);
        break;
    }
    default:
        break;
    }
}

void cSubclass::marginClick(const SciNotification& scn) {
    if (scn.margin == kFoldMargin) {
        ToggleFold(int(SciLineFromPosition(scn.position)));
    } else if (scn.margin == kMarkerMargin) {
        if (scn.modifiers & QsciScintillaBase::SCMOD_SHIFT)
            ToggleBookmark(scn.position);
        else if (scn.modifiers & QsciScintillaBase::SCMOD_CTRL)
            ToggleBreakPoint(SciLineFromPosition(scn.position));
    }
}

void cSubclass::painted() {
    if (mJustActivated) {
        mJustActivated = false;
        platform::host().refreshCodeExplorer();
    }
    // Back to the start, so that Scintilla asks for styling before the next paint.
    SciStartStyling(std::min<sptr_t>(1, SciGetLength()), 255);
    const long caret = SciGetCurrentPos();
    const long line = SciLineFromPosition(caret);
    platform::host().setStatusPaneText(QStringLiteral("Position"), QStringLiteral("L:") + signedNumber(line + 1) +
                                                                       QStringLiteral(" C:") +
                                                                       signedNumber(caret - SciPositionFromLine(line) + 1));
}

void cSubclass::focusChanged(bool focused) {
    if (focused)
        SciMarkerDeleteAll(MARKER_INACTIVELINE);
    else
        SciMarkerAdd(SciLineFromPosition(SciGetCurrentPos()), MARKER_INACTIVELINE);
    SciSetSelBack(true, SelectionBackColour(focused));
}

void cSubclass::RefreshOtherDocuments() {
    const platform::Host& host = platform::host();
    for (const QString& key : host.documentWindowKeys()) {
        auto* doc = qobject_cast<frmDoc*>(host.documentWindow(key));
        if (!doc || doc == gActiveDoc || doc->PrjFullPath != gActiveDoc->PrjFullPath ||
            doc->FullFilename == gActiveDoc->FullFilename || !doc->isVisible())
            continue;
        doc->m_oSubclass->RestyleOnNextRequest();
        SendStyleNeeded(doc->Sci);
    }
}
