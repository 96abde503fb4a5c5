#include "language/editing/AutoIndent.h"

#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "editor/WaitCursor.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/lexer/Lexer.h"
#include "language/parser/NextIndent.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Parser.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <algorithm>

namespace {

struct LineLevels {
    int opens = 0;
    int closes = 0;
    bool keep = false;

    void closeOne() {
        if (opens > 0)
            --opens;
        else
            ++closes;
    }
};

bool isWordToken(int i) {
    return gTokens[i].Kind == tkIdent;
}

void countEndScope(LineLevels& levels, const QString& word, int i, int count) {
    const bool last = i == count;
    const bool commentNext = gTokens[i + 1].Kind == tkComment;
    if (word == QLatin1String("End")) {
    } else if (word == QLatin1String("Then")) {
        if (!last && !commentNext)
            levels.closeOne();
    } else if (word == QLatin1String("Else")) {
        if (commentNext || last) {
            ++levels.closes;
            ++levels.opens;
        } else if (i == 1 && isWordToken(i + 1) && gTokens[i + 1].Text == QLatin1String("If")) {
            ++levels.closes;
        }
    } else if (word == QLatin1String("ElseIf")) {
        if (i == 1)
            ++levels.closes;
    } else if (word == QLatin1String("Case") || word == QLatin1String("Default")) {
        ++levels.closes;
    } else {
        levels.closeOne();
    }
}

// Counts what one keyword opens and closes; returns the index of the last
// token it used up (an End's block word).
int countKeyword(LineLevels& levels, const ClsBBFunkcija& keyword, int i, int count) {
    const QString& word = gTokens[i].Text;
    if (keyword.IsStartScope) {
        ++levels.opens;
        if (keyword.Ime == QLatin1String("Select"))
            ++levels.opens;
    }
    if (keyword.IsEndScope)
        countEndScope(levels, word, i, count);
    if (!isWordToken(i + 1))
        return i;
    if (keyword.Ime == QLatin1String("Function"))
        gIndentLevel = 1;
    if (keyword.Ime != QLatin1String("End"))
        return i;
    const QString block = gTokens[i + 1].Text.toUpper();
    if (block == QLatin1String("FUNCTION")) {
        gIndentLevel = 1;
        ++levels.closes;
    } else if (block == QLatin1String("TYPE") || block == QLatin1String("IF")) {
        ++levels.closes;
    } else if (block == QLatin1String("SELECT")) {
        levels.closes += 2;
    } else {
        return i;
    }
    return i + 1;
}

LineLevels levelsOfTokens(int count) {
    LineLevels levels;
    for (int i = 1; i <= count; ++i) {
        const TokenRecord& token = gTokens[i];
        if (token.Kind == tkIdent) {
            if (const KeywordPtr keyword = gKeywords.Find(token.Text))
                i = countKeyword(levels, *keyword, i, count);
        } else if (token.Kind == '.' && i == 1 && isWordToken(2)) {
            break;
        } else if (token.Kind == tkComment && i == 1) {
            levels.keep = true;
        }
    }
    return levels;
}

void reindentLine(long line) {
    // Only the document's empty last line has no characters: it stays as it is.
    if (SciLineLength(line) == 0)
        return;
    const LineLevels levels = levelsOfTokens(TokenizeLine(SciGetLineText(line)));
    if (levels.keep)
        return;
    gIndentLevel = std::max(1, gIndentLevel - levels.closes);
    SciSetLineIndentation(line, (gIndentLevel - 1) * TabValue);
    gIndentLevel += levels.opens;
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
