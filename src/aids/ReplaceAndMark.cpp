#include "aids/SearchEngine.h"

#include "aids/RecentFindTexts.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "editor/WaitCursor.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <QList>

#include <optional>

namespace {

const QString kRegionSearched = QStringLiteral("The specified region has been searched.\r\n");

void inform(const QString& text, const QString& title) {
    platform::MsgBox(text, platform::vbOKOnly | platform::vbInformation, title);
}

// Selects without scrolling, kept inside the document.
void selectRange(long anchor, long caret) {
    const long length = long(SciGetLength());
    SciSetAnchor(qBound(0L, anchor, length));
    SciSetCurrentPos(qBound(0L, caret, length));
}

}

// While Replace All runs: the count, and one undo action on each view it
// changes, ended on that view however the run ends.
class SearchEngine::ReplaceAllRun {
public:
    explicit ReplaceAllRun(SearchEngine& engine) : engine_(engine) {
        engine_.ReplaceAllActive = 1;
        engine_.replaceAllRun_ = this;
    }
    ~ReplaceAllRun() {
        for (const SciHandle& view : views_) {
            ScopedCurrentView current(view);
            SciEndUndoAction();
        }
        engine_.ReplaceAllActive = 0;
        engine_.replaceAllRun_ = nullptr;
    }
    void beforeEdit() {
        if (views_.contains(gSciWndData))
            return;
        SciBeginUndoAction();
        views_.append(gSciWndData);
    }

private:
    SearchEngine& engine_;
    QList<SciHandle> views_;
};

class SearchEngine::MarkAllRun {
public:
    explicit MarkAllRun(SearchEngine& engine) : engine_(engine) {}
    ~MarkAllRun() { engine_.MarkAllCount = 0; }

private:
    SearchEngine& engine_;
};

bool SearchEngine::SelectionQualifies() {
    if (!IsEditorActive())
        return false;
    const long start = long(SciGetSelectionStart());
    const long end = long(SciGetSelectionEnd());
    if (start >= end)
        return false;
    SetSearchFlags();
    return SearchTarget(start, end) == start && SciGetTargetEnd() == end;
}

void SearchEngine::ReplaceSelection() {
    if (replaceAllRun_)
        replaceAllRun_->beforeEdit();
    const long start = long(SciGetSelectionStart());
    const long removed = long(SciGetSelectionEnd()) - start;
    SciReplaceSel(Options.ReplaceText);
    FollowEdit(start, removed, long(SciGetCurrentPos()) - start);
}

// The positions a sequence keeps move with the text they point into.
void SearchEngine::FollowEdit(long start, long removed, long inserted) {
    const auto follow = [&](long& position) {
        if (position >= start + removed)
            position += inserted - removed;
        else if (position > start)
            position = start + inserted;
    };
    if (gActiveDoc && gActiveDoc->FullFilename == SearchOriginFile)
        follow(SearchOrigin);
    follow(SelScanStart);
    follow(SelScanEnd);
    follow(SelOrigStart);
    follow(SelOrigEnd);
}

void SearchEngine::Replace() {
    try {
        if (SelectionQualifies())
            ReplaceSelection();
        FindNext(true);
        gMRUReplace.Add(Options.ReplaceText);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdReplace_Click"), QStringLiteral("frmFind"));
    }
}

void SearchEngine::ReplaceAll() {
    try {
        const bool selectionScope = Options.SearchIn == FindOptions::Selection;
        if (selectionScope && sequenceOpen_ && IsEditorActive())
            selectRange(SelOrigStart, SelOrigEnd);
        std::optional<WaitCursorScope> wait(std::in_place);
        if (Options.FindText == Options.ReplaceText)
            return;
        SetSequenceOpen(false);
        long replaced = 0;
        {
            ReplaceAllRun run(*this);
            for (;;) {
                if (SelectionQualifies()) {
                    ReplaceSelection();
                    ++ReplaceAllActive;
                }
                if (!FindNext(false))
                    break;
            }
            replaced = ReplaceAllActive - 1;
        }
        if (selectionScope && IsEditorActive())
            SciSetSel(-1, 0);
        wait.reset();
        inform(kRegionSearched + QString::number(replaced) + QStringLiteral(" replacements were made"),
               QStringLiteral("Korvo - Replace All"));
        gMRUReplace.Add(Options.ReplaceText);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdReplaceAll_Click"), QStringLiteral("frmFind"));
    }
}

void SearchEngine::MarkAll() {
    try {
        const bool active = IsEditorActive();
        const long lastStart = active ? long(SciGetSelectionStart()) : 0;
        const long lastEnd = active ? long(SciGetSelectionEnd()) : 0;
        std::optional<WaitCursorScope> wait(std::in_place);
        SetSequenceOpen(false);
        long found = 0;
        long added = 0;
        {
            MarkAllRun run(*this);
            for (;;) {
                ++MarkAllCount;
                if (!FindNext(false))
                    break;
                const long line = long(SciLineFromPosition(SciGetCurrentPos()));
                if (SciMarkerGet(line) & markerMask(MARKER_BOOKMARK))
                    continue;
                SciMarkerAdd(line, MARKER_BOOKMARK);
                ++added;
                if (FileDirtyOnBookmarks != 0)
                    gActiveDoc->setDirty(true);
            }
            found = MarkAllCount - 1;
        }
        if (IsEditorActive() && Options.SearchIn == FindOptions::Selection) {
            selectRange(SelOrigStart, SelOrigEnd);
        } else if (active && IsEditorActive()) {
            const long length = long(SciGetLength());
            SciGotoPos(qBound(0L, lastEnd, length));
            SciSetSelectionStart(qBound(0L, lastStart, length));
            SciSetSelectionEnd(qBound(0L, lastEnd, length));
        }
        wait.reset();
        inform(kRegionSearched + QString::number(found) + QStringLiteral(" occurrences found. \r\n") +
                   QString::number(added) + QStringLiteral(" new marks added."),
               QStringLiteral("Korvo - Find & Mark All"));
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdMarkAll_Click"), QStringLiteral("frmFind"));
    }
}
