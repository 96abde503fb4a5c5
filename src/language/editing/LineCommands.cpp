#include "language/editing/LineCommands.h"

#include "editor/DocumentLineEnds.h"
#include "editor/SciWrappers.h"
#include "editor/TargetRange.h"
#include "editor/UndoGroups.h"
#include "editor/WaitCursor.h"
#include "language/editing/LineRange.h"
#include "language/parser/OwnEdits.h"
#include "vocabulary/SettingsValues.h"

#include <algorithm>

namespace {

// Indentation carries no declarations: the handler need not hear of it.
void shiftSelectedLines(int columns) {
    if (SciGetSelectionStart() >= SciGetSelectionEnd()) {
        columns > 0 ? SciTab() : SciBackTab();
        return;
    }
    const LineRange range = WholeLineRange(CollapsedLastLine::IncludeBody);
    SciSetSel(SciPositionFromLine(range.first), SciGetLineEndPosition(range.last));
    if (range.isEmpty())
        return;
    OwnEdits own;
    UndoActionScope undo;
    for (long line = range.first; line <= range.last; ++line)
        SciSetLineIndentation(line, std::max(0L, long(SciGetLineIndentation(line)) + columns));
}

void closeCompletionList() {
    if (SciAutoCActive())
        SciAutoCCancel();
}

// Comments are not hidden from the handler: a line that becomes or stops
// being a comment must be parsed again.
template <typename EditLine>
void editSelectedLines(EditLine editLine) {
    closeCompletionList();
    WaitCursorScope wait;
    const LineRange range = WholeLineRange(CollapsedLastLine::IncludeBody);
    if (range.isEmpty())
        return;
    UndoActionScope undo;
    for (long line = range.first; line <= range.last; ++line)
        editLine(line);
}

}

void IndentSelectedLines() {
    shiftSelectedLines(TabValue);
}

void UnindentSelectedLines() {
    shiftSelectedLines(-TabValue);
}

void CommentSelectedLines() {
    editSelectedLines([](long line) {
        const long start = SciPositionFromLine(line);
        ReplaceTargetRange(start, start, ";");
    });
}

void UncommentSelectedLines() {
    editSelectedLines([](long line) {
        const long first = SciGetLineIndentPosition(line);
        if (first < SciGetLineEndPosition(line) && SciGetCharAt(first) == ';')
            ReplaceTargetRange(first, first + 1, "");
    });
}

void InsertBlockComment() {
    closeCompletionList();
    LineRange range;
    {
        WaitCursorScope wait;
        range = WholeLineRange(CollapsedLastLine::Exclude);
        if (range.isEmpty())
            return;
        UndoActionScope undo;
        if (range.last + 1 < SciGetLineCount()) {
            const long after = SciPositionFromLine(range.last + 1);
            ReplaceTargetRange(after, after, ";[End Block]" + DocumentLineEnd());
        } else {
            // The last line has no line end: the closing line needs one before it.
            const long end = SciGetLineEndPosition(range.last);
            ReplaceTargetRange(end, end, DocumentLineEnd() + ";[End Block]");
        }
        const long before = SciPositionFromLine(range.first);
        ReplaceTargetRange(before, before, ";[Block]" + DocumentLineEnd());
    }
    SciGotoLine(range.last + 3);
}
