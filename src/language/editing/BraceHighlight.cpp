#include "language/editing/BraceHighlight.h"

#include "editor/CurrentWord.h"
#include "editor/EnclosingBrackets.h"
#include "editor/SciWrappers.h"
#include "language/keywords/ActiveKeywords.h"

namespace {

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
    const BracketPair pair = EnclosingBrackets(Caret, SciPositionFromLine(Line), SciGetLineEndPosition(Line));
    if (pair.closer >= 0) {
        SciBraceHighlight(pair.opener, pair.closer);
        return;
    }
    SciBraceHighlight(-1, -1);
    showScopeGuide();
}
