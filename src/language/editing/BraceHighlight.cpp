#include "language/editing/BraceHighlight.h"

#include "editor/CurrentWord.h"
#include "editor/SciWrappers.h"
#include "language/keywords/ActiveKeywords.h"

namespace {

int openerOf(int closer) {
    return closer == ')' ? '(' : '[';
}

// The opener on the line that matches the closer at f, or -1. Only
// brackets of the closer's style count, as Scintilla's own match does; it
// stays on the line, where Scintilla's would search the whole document.
long matchingOpener(long f, long lineStart) {
    const int closer = SciGetCharAt(f);
    const long style = SciGetStyleAt(f);
    int depth = 1;
    for (long p = f - 1; p >= lineStart; --p) {
        const int ch = SciGetCharAt(p);
        if ((ch != closer && ch != openerOf(closer)) || SciGetStyleAt(p) != style)
            continue;
        depth += ch == closer ? 1 : -1;
        if (depth == 0)
            return p;
    }
    return -1;
}

void showScopeGuide() {
    const QString word = GetCurrentWord();
    if (word.size() < 2)
        return;
    const int first = word[0].toUpper().unicode();
    if (first < 61 || first > 126)
        return;
    const KeywordPtr keyword = gKeywords.Find(word);
    if (keyword && keyword->IsScope)
        SciSetHighlightGuide(SciGetColumn(gTextRange.cpMin));
}

}

void HighlightBraceOrScope(long Caret, long Line) {
    SciSetHighlightGuide(0);
    const long lineStart = SciPositionFromLine(Line);
    const long end = SciGetLineEndPosition(Line);
    for (long f = Caret; f < end; ++f) {
        const int ch = SciGetCharAt(f);
        if (ch != ')' && ch != ']')
            continue;
        const long m = matchingOpener(f, lineStart);
        if (m >= 0 && m < Caret) {
            SciBraceHighlight(m, f);
            return;
        }
    }
    SciBraceHighlight(-1, -1);
    showScopeGuide();
}
