#include "language/parser/FoldIndent.h"

#include "editor/CurrentView.h"
#include "editor/Folding.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/editing/NotificationHandler.h"
#include "language/lexer/Lexer.h"
#include "language/parser/LineStatements.h"
#include "language/parser/NextIndent.h"
#include "language/parser/Parser.h"
#include "language/parser/ParseState.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <algorithm>

namespace {

constexpr long kParsedMask = markerMask(MARKER_PARSED);
constexpr long kFoldStartMask = markerMask(MARKER_FOLDSTART);
constexpr long kFoldEndMask = markerMask(MARKER_FOLDEND);
constexpr long kFunctionMask = markerMask(MARKER_FUNCTION);
constexpr long kMainProgramMask = markerMask(MARKER_MAINPROGRAM);

// The lowest level a closing line may bring the running level down to: a
// function body never leaves its header's level.
int foldFloor() {
    return InMainProgram() ? kFoldBase : kFoldBase + 1;
}

bool nextIsComment(const TokenRecord* tokens, int i) {
    return tokens[i + 1].Kind == tkComment;
}

bool nextIsWordIf(const TokenRecord* tokens, int i) {
    const TokenRecord& next = tokens[i + 1];
    return next.Kind == tkIdent && next.Text().compare(QLatin1String("IF"), Qt::CaseInsensitive) == 0;
}

void countEndKeyword(BlockCounts& counts, const QString& name, const TokenRecord* tokens, int i, int TokenCount) {
    const bool last = i == TokenCount;
    if (name == QLatin1String("End"))
        return;  // the End statements count themselves
    if (name == QLatin1String("Then")) {
        if (!last && !nextIsComment(tokens, i))
            counts.closeOne();  // a one-line If closes what its If opened
    } else if (name == QLatin1String("Else")) {
        if (last || nextIsComment(tokens, i)) {
            ++counts.closers;
            ++counts.openers;
        } else if (i == 1 && nextIsWordIf(tokens, i)) {
            ++counts.closers;  // the If that follows opens the new level
        }
    } else if (name == QLatin1String("ElseIf")) {
        if (i == 1)
            ++counts.closers;
    } else if (name == QLatin1String("Case") || name == QLatin1String("Default")) {
        ++counts.closers;
    } else {
        counts.closeOne();
    }
}

void countOpeners(BlockCounts& counts, const ClsBBFunkcija& keyword) {
    if (keyword.IsStartScope) {
        ++counts.openers;
        if (keyword.Ime == QLatin1String("Select"))
            ++counts.openers;  // a Select opens its own level and that of its first Case
    }
}

// A line that opens a function is in no main program, though it may close a function too.
bool opensFunction(long line) {
    const std::vector<BoundaryStatement> boundaries = BoundariesOfText(SciGetLineText(line));
    return std::any_of(boundaries.begin(), boundaries.end(),
                       [](const BoundaryStatement& b) { return b.kind == Boundary::Function; });
}

void markMainProgram(long line, long markers, bool outside) {
    const bool marked = markers & kMainProgramMask;
    if (outside && !marked)
        SciMarkerAdd(line, MARKER_MAINPROGRAM);
    else if (!outside && marked)
        SciMarkerDeleteEvery(line, MARKER_MAINPROGRAM);
}

}

void CheckFold(int Line, int Level) {
    try {
        long next = SciMarkerNext(Line + 1, kFunctionMask);
        if (next < 0)
            next = SciGetLineCount();
        const bool outside = InMainProgram();
        const int floor = foldFloor();
        int level = Level;
        for (long i = Line + 1; i < next; ++i) {
            // Each line's level is set once: a header that lost its flag on
            // the way would show the lines it holds collapsed.
            const long markers = SciMarkerGet(i);
            const bool opens = markers & kFoldStartMask;
            const bool closes = markers & kFoldEndMask;
            int lineLevel = level;
            // A block opened and closed on one line ("Type T : End Type") leaves the level as it was.
            if (opens && !closes) {
                lineLevel = level | kFoldHeaderFlag;
                ++level;
            } else if (closes && !opens && level > floor) {
                --level;
            }
            SciSetFoldLevel(i, lineLevel);
            markMainProgram(i, markers, outside);
        }
        const long markers = SciMarkerGet(next);
        if (markers & kFoldEndMask)
            markMainProgram(next, markers, outside && !opensFunction(next));
    } catch (...) {
        SetErrorLog(QStringLiteral("CheckFold"), QStringLiteral("Mod_Folding"));
    }
}

bool gEveryLineShown = false;

bool InMainProgram() {
    return gCurrentFunction.isEmpty() || gCurrentFunction == kMainProgram;
}

void PrepareIndentLevel(int Line, bool InFilePass) {
    if (!InFilePass || gIndentLevel == 0)
        gIndentLevel = GetNextIndent(Line - 1);
}

void CountBlockKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, int i, int TokenCount) {
    CountBlockKeyword(counts, keyword, gTokens, i, TokenCount);
}

void CountBlockKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, const TokenRecord* tokens, int i,
                       int TokenCount) {
    countOpeners(counts, keyword);
    if (keyword.IsEndScope)
        countEndKeyword(counts, keyword.Ime, tokens, i, TokenCount);
}

void CountKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, int i, int TokenCount) {
    if (AutoIndentType == 2)
        CountBlockKeyword(counts, keyword, i, TokenCount);
    else
        countOpeners(counts, keyword);
}

void ApplyFoldLevel(int Line, bool InFilePass, const BlockCounts& counts) {
    bool recomputed = false;
    if (!InFilePass || gFoldLevel == 0) {
        recomputed = true;
        const long above = SciMarkerGet(Line - 1);
        const int aboveLevel = static_cast<int>(SciGetFoldLevel(Line - 1));
        const int level = aboveLevel & kFoldNumberMask;
        if ((above & kFoldStartMask) && (above & kFoldEndMask)) {
            // A block opened and closed on the line above: its header flag tells whether one stays open.
            // A function's line that leaves none open goes back to the main program's level.
            if (aboveLevel & kFoldHeaderFlag)
                gFoldLevel = std::min(level + 1, kFoldNumberMask);
            else
                gFoldLevel = (above & kFunctionMask) ? kFoldBase : level;
        } else {
            gFoldLevel = (above & kFoldStartMask) ? std::min(level + 1, kFoldNumberMask) : level;
            if ((above & kFoldEndMask) && gFoldLevel > foldFloor())
                gFoldLevel = level - 1;
        }
    }

    if (counts.foldDelta > 0) {
        if (counts.functionBoundary)
            gFoldLevel = kFoldBase;
        SciSetFoldLevel(Line, gFoldLevel | kFoldHeaderFlag);
        // Past the deepest level the view keeps, blocks nest no further.
        gFoldLevel = std::min(gFoldLevel + 1, kFoldNumberMask);
    } else if (counts.functionBoundary) {
        SciSetFoldLevel(Line, kFoldBase + 1);
        gFoldLevel = kFoldBase;
    } else {
        if (!(gEveryLineShown && InFilePass) && !SciGetLineVisible(Line + 1)) {
            // The lines shown are styled at once, and their colouring walks the scope anew.
            const QString function = gCurrentFunction;
            const QString type = gCurrentType;
            const std::shared_ptr<clsHash> locals = gCurrentLocals;
            const std::shared_ptr<clsHash> fields = gCurrentFields;
            SciEnsureVisible(Line + 1);
            gCurrentFunction = function;
            gCurrentType = type;
            gCurrentLocals = locals;
            gCurrentFields = fields;
        }
        SciSetFoldLevel(Line, gFoldLevel);
        if (counts.foldDelta < 0 && gFoldLevel > foldFloor())
            --gFoldLevel;
    }

    // The lines below take the new level, and the main program's marker
    // when a header above them came or went: an End Function line's level
    // is the same with its function as without it. A level carried from the
    // line above leaves them as they are.
    if (!recomputed)
        return;
    const long below = SciMarkerGet(Line + 1);
    const bool belowMarkedMain = below & kMainProgramMask;
    if ((below & kParsedMask) &&
        ((static_cast<int>(SciGetFoldLevel(Line + 1)) & kFoldNumberMask) != gFoldLevel ||
         belowMarkedMain != InMainProgram()))
        CheckFold(Line, gFoldLevel);
}

bool ReindentsLines() {
    if (AutoIndentType != 2 || (AutoIndentOnLoad == 0 && gParsingFile))
        return false;
    return !(gActiveDoc && gActiveDoc->m_oSubclass && gActiveDoc->m_oSubclass->mLastOperationUndoRedo);
}

void ApplyIndentation(int Line, const BlockCounts& counts) {
    if (!ReindentsLines())
        return;

    gIndentLevel = std::max(gIndentLevel - counts.closers, 1);
    if (!counts.noIndent) {
        const long columns = static_cast<long>(gIndentLevel - 1) * TabValue;
        if (SciGetLineIndentation(Line) != columns)
            SciSetLineIndentation(Line, columns);
    }
    const long caret = SciGetCurrentPos();
    if (SciLineFromPosition(caret) == Line) {
        const long firstNonBlank = SciGetLineIndentPosition(Line);
        if (caret < firstNonBlank) {
            SciGotoPos(firstNonBlank);
            SciChooseCaretX();
        }
    }
    gIndentLevel += counts.openers;
}
