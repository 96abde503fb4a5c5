#include "aids/SearchEngine.h"

#include "aids/RecentFindTexts.h"
#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/Host.h"
#include "platform/Prompt.h"

#include <optional>

namespace {

const QString kFindTitle = QStringLiteral("Korvo - Find");

bool askToWrap(const QString& text) {
    return platform::MsgBox(text, platform::vbYesNo | platform::vbInformation | platform::vbDefaultButton2, kFindTitle) ==
           platform::vbYes;
}

void inform(const QString& text, const QString& title) {
    platform::MsgBox(text, platform::vbOKOnly | platform::vbInformation, title);
}

long clampToDocument(long position) {
    return qBound(0L, position, long(SciGetLength()));
}

}

long SearchEngine::FindLength() const {
    return long(findBytes_.size());
}

void SearchEngine::SetSequenceOpen(bool open) {
    sequenceOpen_ = open;
    if (SequenceChanged)
        SequenceChanged();
}

void SearchEngine::SetSearchFlags() {
    SciSetSearchFlags(Options.SearchFlags());
    findFits_ = platform::fitsAnsi(Options.FindText);
    findBytes_ = findFits_ ? platform::toAnsi(Options.FindText) : QByteArray();
}

void SearchEngine::SaveSearchOrigin() {
    const bool active = IsEditorActive();
    SearchOrigin = active ? long(SciGetCurrentPos()) : 0;
    SearchOriginFile = active ? gActiveDoc->FullFilename : QString();
    SearchCurrentFile = SearchOriginFile;
    SearchWrapped = false;
    windowsEntered_ = 0;
}

void SearchEngine::OptionsChanged() {
    if (IsEditorActive())
        SetSearchFlags();
    SaveSearchOrigin();
    SetSequenceOpen(false);
}

long SearchEngine::SearchTarget(long start, long end) {
    if (!findFits_ || findBytes_.isEmpty())
        return -1;
    SciSetTargetStart(clampToDocument(start));
    SciSetTargetEnd(clampToDocument(end));
    return long(SciSearchInTarget(findBytes_.size(), findBytes_));
}

long SearchEngine::SearchForward(long start, long end, bool continuing) {
    const long found = SearchTarget(start, end);
    if (!continuing || found != start || SciGetTargetEnd() != start)
        return found;
    const long next = long(SciPositionAfter(start));
    return next > start && next <= end ? SearchTarget(next, end) : -1;
}

// Runs a search, trapping its errors; a search that ended in another
// window makes the window where it began the window toggle's target.
bool SearchEngine::Search(const QString& name, bool (SearchEngine::*search)(bool), bool WrapAsk) {
    const QString previousKey = platform::host().previousDocumentWindowKey();
    const QString activeKey = platform::host().activeDocumentWindowKey();
    bool found = false;
    try {
        found = (this->*search)(WrapAsk);
    } catch (...) {
        SetErrorLog(name, QStringLiteral("frmFind"));
    }
    platform::host().setPreviousDocumentWindowKey(platform::host().activeDocumentWindowKey() != activeKey ? activeKey
                                                                                                          : previousKey);
    return found;
}

bool SearchEngine::FindNext(bool WrapAsk) {
    return Search(QStringLiteral("FindNext"), &SearchEngine::findNext, WrapAsk);
}

bool SearchEngine::findNext(bool WrapAsk) {
    if (!IsEditorActive() || Options.FindText.isEmpty())
        return false;
    gMRUFind.Add(Options.FindText);
    const long lastStart = long(SciGetSelectionStart());
    const long lastEnd = long(SciGetSelectionEnd());
    const QString lastFile = gActiveDoc->FullFilename;
    const bool continuing = sequenceOpen_;
    const long caret = long(SciGetCurrentPos());
    long targetStart = caret;
    const long targetEnd = long(SciGetLength());
    const bool wrapAllowed = Options.StartAt == FindOptions::Cursor;
    if (Options.StartAt == FindOptions::Top) {
        if (!continuing)
            targetStart = 0;
        SearchOrigin = 0;
    } else if (!continuing) {
        targetStart = clampToDocument(caret + 1);
    }
    SetSearchFlags();
    if (!continuing) {
        SaveSearchOrigin();
        SetSequenceOpen(true);
        if (Options.SearchIn == FindOptions::Selection) {
            SelScanStart = SelOrigStart = lastStart;
            SelScanEnd = SelOrigEnd = lastEnd;
        }
    }

    bool found = false;
    {
        std::optional<platform::RedrawLock> lock;
        if (WrapAsk)
            lock.emplace();
        switch (Options.SearchIn) {
        case FindOptions::CurrentFile:
            found = FindInFile(targetStart, targetEnd, wrapAllowed, WrapAsk, continuing);
            break;
        case FindOptions::CurrentProject:
        case FindOptions::AllFiles:
            found = FindInDocuments(targetStart, targetEnd, true, continuing);
            break;
        case FindOptions::Selection:
            found = FindInSelection(continuing);
            break;
        }
    }

    if (found) {
        SelectMatch(long(SciGetTargetStart()), long(SciGetTargetEnd()), WrapAsk);
        return true;
    }
    if (MarkAllCount == 0 && ReplaceAllActive == 0)
        ShowEndOfSearch(lastFile, lastStart, lastEnd);
    SetSequenceOpen(false);
    return false;
}

void SearchEngine::ShowEndOfSearch(const QString& lastFile, long lastStart, long lastEnd) {
    switch (Options.SearchIn) {
    case FindOptions::CurrentFile:
        inform(QStringLiteral("Current file has been searched."), QStringLiteral("Korvo - Search in Current File"));
        break;
    case FindOptions::CurrentProject:
        ReturnToLastSelection(lastFile, lastStart, lastEnd);
        inform(QStringLiteral("Current Project has been searched."), QStringLiteral("Korvo - Search in Project"));
        break;
    case FindOptions::AllFiles:
        ReturnToLastSelection(lastFile, lastStart, lastEnd);
        inform(QStringLiteral("All files have been searched."), QStringLiteral("Korvo - Search in All Files"));
        break;
    case FindOptions::Selection:
        SciSetSel(clampToDocument(SelOrigStart), clampToDocument(SelOrigEnd));
        inform(QStringLiteral("Selected text has been searched."), QStringLiteral("Korvo - Search in selection"));
        break;
    }
}

void SearchEngine::SelectMatch(long start, long end, bool interactive) {
    if (interactive) {
        SciSetSel(start, end);
        SciEnsureVisibleEnforcePolicy(SciLineFromPosition(start));
    } else {
        SciSetAnchor(start);
        SciSetCurrentPos(end);
    }
    if (MatchShown)
        MatchShown(start, end, interactive);
}

bool SearchEngine::FindInFile(long TargetStart, long TargetEnd, bool WrapAllowed, bool WrapAsk, bool continuing) {
    for (;;) {
        const long found = SearchForward(TargetStart, TargetEnd, continuing);
        continuing = false;
        if (found >= 0)
            return !(SearchWrapped && SearchCurrentFile == SearchOriginFile && found > SearchOrigin);
        if (!WrapAllowed || SearchWrapped)
            return false;
        if (WrapAsk && !askToWrap(QStringLiteral("The specified region has been searched.\r\n"
                                                 "Would you like to continue searching from the top?")))
            return false;
        TargetEnd = SearchOrigin + FindLength();
        SearchWrapped = true;
        TargetStart = 0;
        WrapAllowed = false;
    }
}

bool SearchEngine::FindInFilePrev(long TargetStart, long TargetEnd, bool WrapAsk) {
    for (;;) {
        if (SearchTarget(TargetStart, TargetEnd) >= 0)
            return true;
        if (SearchWrapped)
            return false;
        if (WrapAsk && !askToWrap(QStringLiteral("Reached top of file\r\n"
                                                 "Would you like to continue searching from the bottom?")))
            return false;
        TargetStart = long(SciGetLength());
        TargetEnd = qMax(0L, SearchOrigin - FindLength());
        SearchWrapped = true;
    }
}

bool SearchEngine::IsCandidate(const QString& key) const {
    const auto* doc = qobject_cast<frmDoc*>(platform::host().documentWindow(key));
    if (!doc || !doc->SciEdi_WndData)
        return false;
    return Options.SearchIn != FindOptions::CurrentProject || (gActiveProject && doc->PrjFullPath == gActiveProject->FullPath);
}

// The next editor window in the host's order (the help window and other
// projects' documents passed over), round to the active one itself; "" when
// there is none.
QString SearchEngine::NextDocumentWindow(bool forward) const {
    const QStringList keys = platform::host().documentWindowKeys();
    const qsizetype count = keys.size();
    const qsizetype active = keys.indexOf(platform::host().activeDocumentWindowKey());
    const qsizetype from = active >= 0 ? active : (forward ? count - 1 : 0);
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype at = forward ? (from + step) % count : (from - step % count + count) % count;
        if (IsCandidate(keys[at]))
            return keys[at];
    }
    if (Options.SearchIn == FindOptions::CurrentProject)
        SetStopErrorLog(forward ? 92210 : 99440);
    return QString();
}

bool SearchEngine::FindInDocuments(long TargetStart, long TargetEnd, bool forward, bool continuing) {
    for (;;) {
        const long found = forward ? SearchForward(TargetStart, TargetEnd, continuing) : SearchTarget(TargetStart, TargetEnd);
        continuing = false;
        const bool pastOrigin = found < 0 || (forward ? found > SearchOrigin : found < SearchOrigin);
        if (SearchCurrentFile == SearchOriginFile && SearchWrapped && pastOrigin)
            return false;
        if (found >= 0)
            return true;
        if (++windowsEntered_ > platform::host().documentWindowCount())
            return false;
        const QString next = NextDocumentWindow(forward);
        if (next.isEmpty())
            return false;
        SciSetSel(-1, 0);
        platform::host().activateDocumentWindow(next);
        if (!IsEditorActive())
            return false;
        SetSearchFlags();
        SearchCurrentFile = next;
        const long length = long(SciGetLength());
        if (SearchCurrentFile != SearchOriginFile) {
            TargetStart = forward ? 0 : length;
            TargetEnd = forward ? length : 0;
            continue;
        }
        if (SearchWrapped)
            return false;
        SearchWrapped = true;
        TargetStart = forward ? 0 : length;
        TargetEnd = forward ? SearchOrigin + FindLength() : qMax(0L, SearchOrigin - FindLength());
    }
}

bool SearchEngine::FindInSelection(bool continuing) {
    const long found = SearchForward(SelScanStart, SelScanEnd, continuing);
    SelScanStart = found >= 0 ? long(SciGetTargetEnd()) : SelScanEnd;
    return found >= 0;
}

bool SearchEngine::FindPrevious(bool WrapAsk) {
    return Search(QStringLiteral("FindPrevious"), &SearchEngine::findPrevious, WrapAsk);
}

bool SearchEngine::findPrevious(bool WrapAsk) {
    if (Options.SearchIn == FindOptions::Selection || !IsEditorActive() || Options.FindText.isEmpty())
        return false;
    gMRUFind.Add(Options.FindText);
    const long lastStart = long(SciGetSelectionStart());
    const long lastEnd = long(SciGetSelectionEnd());
    const QString lastFile = gActiveDoc->FullFilename;
    const long targetStart = qMax(0L, long(SciGetCurrentPos()) - 1);
    SetSequenceOpen(false);
    SaveSearchOrigin();
    SetSearchFlags();
    bool found = false;
    {
        platform::RedrawLock lock;
        found = Options.SearchIn == FindOptions::CurrentFile ? FindInFilePrev(targetStart, 0, WrapAsk)
                                                             : FindInDocuments(targetStart, 0, false, false);
    }
    if (found) {
        SelectMatch(long(SciGetTargetStart()), long(SciGetTargetEnd()), true);
        return true;
    }
    ShowEndOfSearch(lastFile, lastStart, lastEnd);
    return false;
}

void SearchEngine::ReturnToLastSelection(const QString& File, long SelStart, long SelEnd) {
    if (!gActiveDoc || gActiveDoc->FullFilename != File)
        platform::host().activateDocumentWindow(File);
    if (!IsEditorActive())
        return;
    SciGotoPos(clampToDocument(SelEnd));
    SciSetSelectionStart(clampToDocument(SelStart));
    SciSetSelectionEnd(clampToDocument(SelEnd));
}
