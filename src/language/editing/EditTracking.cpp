#include "language/editing/NotificationHandler.h"

#include "editor/CurrentView.h"
#include "editor/EditorSetup.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "editor/WaitCursor.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/Colouring.h"
#include "language/complete/CallTips.h"
#include "language/complete/CompletionFlags.h"
#include "language/editing/BraceHighlight.h"
#include "language/lexer/CharTables.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Parser.h"
#include "language/parser/Unparse.h"
#include "platform/Host.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <algorithm>
#include <utility>
#include <vector>

// The code model kept in step with the text: a parsed line about to change
// is taken under edit and parsed again once the caret leaves it; changes
// over several lines queue each line touched, and the queue is parsed at
// the next update.

namespace {

using S = QsciScintillaBase;

// A user modification happened; the next update records the caret in the position history.
bool gRecordPositionPending = false;
// A change of many lines started the wait cursor; the next update ends it.
bool gEndWaitCursorPending = false;

constexpr long kManyLines = 10;

bool hasMarker(long line, int marker) {
    return SciMarkerGet(line) & markerMask(marker);
}

void cutUndoHistory() {
    SciBeginUndoAction();
    SciEndUndoAction();
}

// The wait cursor stacks: it starts once, however many changes come before the update.
void beginWaitForManyLines() {
    if (gEndWaitCursorPending)
        return;
    gEndWaitCursorPending = true;
    BeginWaitCursor();
}


}

void cSubclass::EndWaitForManyLines() {
    if (!gEndWaitCursorPending)
        return;
    EndWaitCursor();
    gEndWaitCursorPending = false;
}

// A line queued already keeps its one place in the queue.
void cSubclass::queueLine(long line) {
    if (hasMarker(line, MARKER_REPARSE))
        return;
    const long handle = SciMarkerAdd(line, MARKER_REPARSE);
    if (handle >= 0)
        ParseNeeded.add(int(handle));
}

void cSubclass::takeUnderEdit(long line) {
    UnparsedText = SciGetLineText(line);
    SciMarkerDelete(line, MARKER_PARSED);
    UnparsedLine = line;
}

void cSubclass::releaseUnparsedLine(long markersLine) {
    UnparseLineText(int(markersLine), UnparsedText);
}

void cSubclass::modified(const SciNotification& scn) {
    if (gIgnoreSciModified)
        return;
    mLastOperationUndoRedo = scn.modificationType & (S::SC_PERFORMED_UNDO | S::SC_PERFORMED_REDO);
    if (!(scn.modificationType & (S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE)))
        return;
    gActiveDoc->setDirty(true);
    const long startLine = SciLineFromPosition(scn.position);
    const long endLine = SciLineFromPosition(scn.position + scn.length);
    if (scn.modificationType & S::SC_MOD_BEFOREDELETE)
        beforeDeletion(startLine, endLine, scn);
    else
        beforeInsertion(startLine, endLine, scn);
}

void cSubclass::beforeDeletion(long startLine, long endLine, const SciNotification& scn) {
    if (endLine - startLine > kManyLines)
        beginWaitForManyLines();
    // Deleting the whole text takes every marker with it, and every record of the document goes at once.
    if (scn.position == 0 && scn.length == long(SciGetLength())) {
        UnparsedLine = -1;
        const bool queued = startLine < endLine || hasMarker(0, MARKER_PARSED);
        UnparseWholeText();
        if (queued) {
            queueLine(0);
            mRecolorCaretLine = true;
        }
    } else {
        beforeDeletionOfLines(startLine, endLine);
    }
    if (scn.modificationType & S::SC_PERFORMED_USER) {
        gRecordPositionPending = true;
        // A line break deleted before an indented line: the blanks that come up after the caret go at the next update.
        if (scn.length == 2 && endLine == startLine + 1 && SciGetLineIndentation(endLine) > 1) {
            mJoinTrimPending = true;
            if (!gUndoGroupOpen) {
                SciBeginUndoAction();
                gUndoGroupOpen = true;
            }
        }
    }
    if (!SciGetLineVisible(startLine))
        SciEnsureVisible(startLine);
}

void cSubclass::beforeDeletionOfLines(long startLine, long endLine) {
    if (UnparsedLine >= 0 && UnparsedLine != startLine) {
        releaseUnparsedLine(UnparsedLine);
        if (UnparsedLine < startLine || UnparsedLine > endLine)
            queueLine(UnparsedLine);
        UnparsedLine = -1;
    }
    if (UnparsedLine == -1) {
        if (startLine < endLine || (startLine == 0 && hasMarker(0, MARKER_PARSED))) {
            // Only a parsed line has declarations in the model to take out.
            if (hasMarker(startLine, MARKER_PARSED))
                UnparseLine(int(startLine), false);
            queueLine(startLine);
            mRecolorCaretLine = true;
        } else if (hasMarker(startLine, MARKER_PARSED)) {
            takeUnderEdit(startLine);
        }
    }
    for (long i = startLine + 1; i <= endLine; ++i) {
        const int markers = SciMarkerGet(i);
        if (!(markers & markerMask(MARKER_PARSED)) && (markers & markerMask(MARKER_REPARSE)))
            SciMarkerDelete(i, MARKER_REPARSE);
    }
    UnparseLines(startLine + 1, endLine, true);
}

void cSubclass::beforeInsertion(long startLine, long endLine, const SciNotification& scn) {
    if (!mLastOperationUndoRedo) {
        // A typed character is known from its key; what else arrives in one piece is no typing.
        const int typed = scn.length == 1 && pressedKeyText().size() == 1 ? static_cast<unsigned char>(pressedKeyText()[0]) : -1;
        if (scn.length == 1 && typed == ' ') {
            if (!mLastTypedBlank)
                cutUndoHistory();
        } else if (scn.length == 1) {
            mLastTypedBlank = false;
            if (typed < 0 || !gIsIdentChar[typed])
                cutUndoHistory();
        } else {
            mLastTypedBlank = false;
        }
        if (startLine < endLine && !gUndoGroupOpen) {
            gUndoGroupOpen = true;
            SciBeginUndoAction();
        }
    }
    if (UnparsedLine >= 0 && UnparsedLine != startLine) {
        releaseUnparsedLine(UnparsedLine);
        queueLine(UnparsedLine);
        UnparsedLine = -1;
    }
    if (UnparsedLine == -1 && hasMarker(startLine, MARKER_PARSED))
        takeUnderEdit(startLine);
    else if (SciGetLength() == 0)
        queueLine(0);  // deleting the whole text took every marker with it, the queued line's too
    if (scn.modificationType & S::SC_PERFORMED_USER)
        gRecordPositionPending = true;
    mPendingInsertion = PendingInsertion{scn.position, scn.length, long(SciGetLineCount()),
                                         scn.position == SciPositionFromLine(startLine)};
}

void cSubclass::afterInsertion() {
    const PendingInsertion insertion = *mPendingInsertion;
    mPendingInsertion.reset();
    const long startLine = SciLineFromPosition(insertion.position);
    const long linesAdded = SciGetLineCount() - insertion.linesBefore;
    if (linesAdded > 0) {
        if (linesAdded > kManyLines)
            beginWaitForManyLines();
        // Lines put in amid folded ones show, and so does the fold they broke into.
        for (const long line : {startLine, startLine + linesAdded, startLine + linesAdded + 1}) {
            if (line < SciGetLineCount() && !SciGetLineVisible(line))
                SciEnsureVisible(line);
        }
    } else if (!SciGetLineVisible(startLine)) {
        SciEnsureVisible(startLine);
    }
    const long endLine = SciLineFromPosition(insertion.position + insertion.length);
    if (endLine == startLine)
        return;
    if (UnparsedLine >= 0) {
        releaseUnparsedLine(insertion.atLineStart && UnparsedLine == startLine ? UnparsedLine + linesAdded : UnparsedLine);
        if (UnparsedLine != startLine) {
            SetStopErrorLog(11951);
            queueLine(UnparsedLine);
        }
        UnparsedLine = -1;
    }
    for (long line = startLine; line <= endLine; ++line) {
        if (hasMarker(line, MARKER_PARSED))
            SetStopErrorLog(12393);
        queueLine(line);
    }
}

void cSubclass::drainParseQueue(bool sequential) {
    // Top down, as a fresh parse goes: a header parsed after the lines below
    // it would leave them in the scope they were parsed in.
    std::vector<std::pair<long, int>> queued;
    for (const int handle : ParseNeeded.keys())
        queued.emplace_back(SciMarkerLineFromHandle(handle), handle);
    std::stable_sort(queued.begin(), queued.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    mParseKeys.clear();
    for (const auto& entry : queued)
        mParseKeys.append(entry.second);
    long prev = -100;
    for (qsizetype j = 0; j < mParseKeys.size(); ++j) {
        const long line = SciMarkerLineFromHandle(mParseKeys[j]);
        if (line < 0)
            continue;
        if (hasMarker(line, MARKER_PARSED)) {
            SetStopErrorLog(sequential ? 94993 : 77993);
            continue;
        }
        const bool inFilePass = sequential && line == prev + 1;
        // The last line of a run recomputes its level, so that a change carries down the lines after the run.
        const bool endsRun =
            j == mParseKeys.size() - 1 || SciMarkerLineFromHandle(mParseKeys[j + 1]) != line + 1;
        if (inFilePass && endsRun)
            gFoldLevel = 0;
        Parseline(int(line), inFilePass);
        prev = line;
        SciMarkerDelete(line, MARKER_REPARSE);
    }
    ParseNeeded.clear();
    mParseKeys.clear();
}

void cSubclass::updateUI() {
    if (mJoinTrimPending) {
        mJoinTrimPending = false;
        const long p = SciGetCurrentPos();
        const long length = SciGetLength();
        long e = p;
        while (e < length && gIsBlank[SciGetCharAt(e)])
            ++e;
        OwnEdits own;
        SciSetTargetStart(p);
        SciSetTargetEnd(e);
        SciReplaceTarget(0, "");
    }
    long caret = SciGetCurrentPos();
    long line = SciLineFromPosition(caret);
    if (gRecordPositionPending) {
        gRecordPositionPending = false;
        CheckCBrowser(caret, line);
    }
    if (UnparsedLine >= 0 && UnparsedLine != line) {
        releaseUnparsedLine(UnparsedLine);
        if (hasMarker(UnparsedLine, MARKER_REPARSE))
            SetStopErrorLog(11443);
        queueLine(UnparsedLine);
        UnparsedLine = -1;
    }
    // Deleting the whole text took every marker with it: the empty line is parsed as a fresh open parses it.
    if (SciGetLength() == 0 && UnparsedLine < 0 && !hasMarker(0, MARKER_PARSED))
        queueLine(0);
    if (!ParseNeeded.isEmpty()) {
        drainParseQueue(true);
        mFrmDoc->Redraw();
    }
    EndWaitForManyLines();
    if (gUndoGroupOpen) {
        SciEndUndoAction();
        gUndoGroupOpen = false;
    }
    if (line != mFrmDoc->Callback_OldLine) {
        if (ShowCurrentFunction)
            platform::host().setStatusPaneText(QStringLiteral("StatusMain"), CurrentFunctionForDisplay(int(line)));
        UpdateLineNumberMargin();
        if (SciGetLineVisible(line) || line < SciGetLineCount() - 1) {
            mFrmDoc->Callback_OldLine = line;
        } else {
            // The caret on a folded last line goes to the last visible line above it.
            SciGotoLine(SciDocLineFromVisible(SciVisibleFromDocLine(line) - 1));
            mFrmDoc->Callback_OldLine = SciLineFromPosition(SciGetCurrentPos());
        }
    }
    if ((line == mFrmDoc->Callback_OldLine || mLastOperationUndoRedo) &&
        (!hasMarker(line, MARKER_PARSED) || mRecolorCaretLine)) {
        ColorCurrentLine(int(line), false);
        gCharAdded = false;
        mRecolorCaretLine = false;
    }
    caret = SciGetCurrentPos();
    line = SciLineFromPosition(caret);
    ShowHelp(caret, line);
    if (HighlightMatchedBraces)
        HighlightBraceOrScope(caret, line);
    platform::host().updateSciCommandUI();
}

void cSubclass::DeactivateCheck() {
    if (mPendingInsertion)
        afterInsertion();
    if (UnparsedLine >= 0) {
        releaseUnparsedLine(UnparsedLine);
        if (hasMarker(UnparsedLine, MARKER_REPARSE))
            SetStopErrorLog(18893);
        queueLine(UnparsedLine);
        UnparsedLine = -1;
    }
    if (!ParseNeeded.isEmpty())
        drainParseQueue(false);
    EndWaitForManyLines();
}
