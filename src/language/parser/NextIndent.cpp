#include "language/parser/NextIndent.h"

#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/lexer/Lexer.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <cmath>

namespace {

struct LevelChange {
    int opens = 0;
    int closes = 0;

    void closeOne() {
        if (opens > 0)
            --opens;
        else
            ++closes;
    }
};

bool isWord(int i, const char* word) {
    return gLightTokens[i].Kind == tkIdent && gLightTokens[i].Text == QLatin1String(word);
}

void countEnd(LevelChange& change, int& i, int count) {
    const QString& text = gLightTokens[i].Text;
    const bool last = i == count;
    if (text == QLatin1String("End")) {
        if (gLightTokens[i + 1].Kind == tkIdent) {
            ++i;
            if (gLightTokens[i].Text == QLatin1String("Select"))
                ++change.closes;
        }
        change.closeOne();
    } else if (text == QLatin1String("Then")) {
        if (!last)
            change.closeOne();
    } else if (text == QLatin1String("Else")) {
        if (last) {
            ++change.closes;
            ++change.opens;
        } else if (i == 1 && isWord(i + 1, "If")) {
            ++change.closes;
        }
    } else if (text == QLatin1String("ElseIf")) {
        if (i == 1)
            ++change.closes;
    } else if (text == QLatin1String("Case") || text == QLatin1String("Default")) {
        ++change.closes;
    } else {
        change.closeOne();
    }
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

        LevelChange change;
        for (int i = 1; i <= count; ++i) {
            if (gLightTokens[i].Kind != tkIdent)
                continue;
            const KeywordPtr keyword = gKeywords.Find(gLightTokens[i].Text);
            if (!keyword)
                continue;
            if (keyword->IsStartScope) {
                ++change.opens;
                if (keyword->Ime == QLatin1String("Select"))
                    ++change.opens;
            }
            if (keyword->IsEndScope)
                countEnd(change, i, count);
        }
        level += change.opens;
        if (!(SciMarkerGet(line) & markerMask(MARKER_PARSED)))
            level -= change.closes;
    } catch (...) {
        SetErrorLog(QStringLiteral("GetNextIndent"), QStringLiteral("Mod_Parse"));
    }
    return level;
}
