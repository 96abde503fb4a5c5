#include "language/colour/BracketStack.h"

#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"

namespace {

constexpr int kDepth = 200;

struct OpenBracketEntry {
    long position = 0;
    bool round = false;
};

OpenBracketEntry gBrackets[kDepth];
int gBracketTop = 0;

}

void EmptyBracketStack() {
    gBracketTop = 0;
}

void OpenBracket(long Position, char Character) {
    // A line of this many openers starts counting again rather than grow.
    if (gBracketTop == kDepth - 1)
        gBracketTop = 0;
    gBrackets[gBracketTop++] = {Position, Character == '('};
    StyleRun(Position, 1, STYLE_Separator);
}

void CloseBracket(long Position, char Character) {
    if (gBracketTop == 0) {
        StyleRun(Position, 1, STYLE_BraceBad);
        return;
    }
    const bool matches = gBrackets[--gBracketTop].round == (Character == ')');
    StyleRun(Position, 1, matches ? STYLE_Separator : STYLE_BraceBad);
}

void StyleUnclosedBrackets() {
    for (int k = 0; k < gBracketTop; ++k)
        StyleRun(gBrackets[k].position, 1, STYLE_BraceBad);
    gBracketTop = 0;
}
