#include "language/editing/AutoIndent.h"

#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "editor/WaitCursor.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/BlockEnds.h"
#include "language/lexer/Lexer.h"
#include "language/parser/FoldIndent.h"
#include "language/parser/NextIndent.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Parser.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <algorithm>

namespace {

bool isWordToken(int i) {
    return gTokens[i].Kind == tkIdent;
}

// Counts keyword token i; returns the index of the last token it used up
// (the block word after an End).
int countKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, int i, int count) {
    CountBlockKeyword(counts, keyword, i, count);
    if (!isWordToken(i + 1))
        return i;
    if (keyword.Ime == QLatin1String("Function"))
        gIndentLevel = 1;
    if (keyword.Ime != QLatin1String("End"))
        return i;
    const BlockEnd* end = FindBlockEnd(gTokens[i + 1].Text());
    if (!end)
        return i;
    if (end->block == EndedBlock::Function)
        gIndentLevel = 1;
    counts.closers += end->closers;
    return i + 1;
}

BlockCounts countsOfTokens(int count) {
    BlockCounts counts;
    for (int i = 1; i <= count; ++i) {
        const TokenRecord& token = gTokens[i];
        if (token.Kind == tkIdent) {
            if (const KeywordPtr keyword = gKeywords.Find(token.Text()))
                i = countKeyword(counts, *keyword, i, count);
        } else if (token.Kind == '.' && i == 1 && isWordToken(2)) {
            break;
        } else if (token.Kind == tkComment && i == 1) {
            counts.noIndent = true;
        }
    }
    return counts;
}

void reindentLine(long line) {
    // Only the document's empty last line has no characters: it stays as it is.
    if (SciLineLength(line) == 0)
        return;
    const BlockCounts counts = countsOfTokens(TokenizeLine(SciGetLineText(line)));
    if (counts.noIndent)
        return;
    gIndentLevel = std::max(1, gIndentLevel - counts.closers);
    SciSetLineIndentation(line, (gIndentLevel - 1) * TabValue);
    gIndentLevel += counts.openers;
}

}

void AutoIndentSelection() {
    try {
        OwnEdits own;
        WaitCursorScope wait;
        const long first = SciLineFromPosition(SciGetSelectionStart());
        const long last = SciLineFromPosition(SciGetSelectionEnd());
        gIndentLevel = GetNextIndent(int(first) - 1);
        UndoActionScope undo;
        for (long line = first; line <= last; ++line)
            reindentLine(line);
    } catch (...) {
        SetErrorLog(QStringLiteral("AutoIndentSelection"), QStringLiteral("Mod_SciFun"));
    }
}

void AutoindentCurrentFunction() {
    try {
        const long caretLine = SciLineFromPosition(SciGetCurrentPos());
        const long column = SciGetCurrentPos() - SciPositionFromLine(caretLine);
        const long header = markerMask(MARKER_FUNCTION);
        long start = SciMarkerPrevious(caretLine, header);
        if (start == caretLine && (SciMarkerGet(caretLine) & markerMask(MARKER_FOLDEND)))
            start = caretLine > 0 ? SciMarkerPrevious(caretLine - 1, header) : -1;
        start = std::max(0L, start);
        long end = SciMarkerNext(start + 1, header);
        if (end < 0)
            end = SciGetLineCount() - 1;
        SciSetSel(SciPositionFromLine(start), SciGetLineEndPosition(end));
        AutoIndentSelection();
        const long lineStart = SciPositionFromLine(caretLine);
        SciGotoPos(lineStart + column <= SciGetLineEndPosition(caretLine) ? lineStart + column : lineStart);
    } catch (...) {
        SetErrorLog(QStringLiteral("AutoindentCurrentFunction"), QStringLiteral("Mod_SciFun"));
    }
}
