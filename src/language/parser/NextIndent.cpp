#include "language/parser/NextIndent.h"

#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/BlockEnds.h"
#include "language/lexer/Lexer.h"
#include "language/parser/FoldIndent.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <cmath>

namespace {

// An End statement closes its block, and an End Select the level of its last
// Case as well; the word after End is its own.
void countEndStatement(BlockCounts& counts, int& i) {
    if (gLightTokens[i + 1].Kind == tkIdent) {
        ++i;
        if (const BlockEnd* end = FindBlockEnd(gLightTokens[i].Text()))
            counts.closers += end->closers - 1;
    }
    counts.closeOne();
}

}

int GetNextIndent(int Line) {
    int level = 1;
    try {
        const int tab = TabValue > 0 ? TabValue : 1;
        int line = Line;
        int count = 0;
        for (;;) {
            // Halves go to the even neighbour, as the level was always rounded.
            level = static_cast<int>(std::nearbyint(static_cast<double>(SciGetLineIndentation(line)) / tab + 1));
            if (SciLineLength(line) == 0)
                return level;
            count = TokenizeLightLine(SciGetLineText(line));
            if (count > 0)
                break;
            --line;  // blank and comment-only lines are skipped upward
        }

        BlockCounts counts;
        for (int i = 1; i <= count; ++i) {
            if (gLightTokens[i].Kind != tkIdent)
                continue;
            const KeywordPtr keyword = gKeywords.Find(gLightTokens[i].Text());
            if (!keyword)
                continue;
            CountBlockKeyword(counts, *keyword, gLightTokens, i, count);
            if (keyword->Ime == QLatin1String("End"))
                countEndStatement(counts, i);
        }
        level += counts.openers;
        if (!(SciMarkerGet(line) & markerMask(MARKER_PARSED)))
            level -= counts.closers;
    } catch (...) {
        SetErrorLog(QStringLiteral("GetNextIndent"), QStringLiteral("Mod_Parse"));
    }
    return level;
}
