#include "editor/EnclosingBrackets.h"

#include "editor/SciWrappers.h"

#include <map>
#include <set>
#include <utility>

namespace {

std::uint64_t gPositionsRead = 0;

// Brackets of one kind and one style count against each other.
using BracketClass = std::pair<int, long>;

int charAt(long position) {
    ++gPositionsRead;
    return SciGetCharAt(position);
}

bool isOpener(int ch) {
    return ch == '(' || ch == '[';
}

bool isCloser(int ch) {
    return ch == ')' || ch == ']';
}

int kindOf(int ch) {
    return (ch == '(' || ch == ')') ? '(' : '[';
}

// The opener before the caret that a closer of that class, with everything
// of its class balanced between the caret and it, matches; -1 when none.
long openerBefore(long caret, long lineStart, const BracketClass& of) {
    int depth = 1;
    for (long p = caret - 1; p >= lineStart; --p) {
        const int ch = charAt(p);
        if ((!isOpener(ch) && !isCloser(ch)) || kindOf(ch) != of.first || SciGetStyleAt(p) != of.second)
            continue;
        depth += isCloser(ch) ? 1 : -1;
        if (depth == 0)
            return p;
    }
    return -1;
}

}

BracketPair EnclosingBrackets(long caret, long lineStart, long lineEnd) {
    // Openers after the caret not closed yet, by class: a closer that meets
    // one closes it. A class whose search back failed fails for every later
    // closer of it too, which would have to reach further back.
    std::map<BracketClass, long> openAfterCaret;
    std::set<BracketClass> failed;
    for (long p = caret; p < lineEnd; ++p) {
        const int ch = charAt(p);
        if (!isOpener(ch) && !isCloser(ch))
            continue;
        const BracketClass of{kindOf(ch), SciGetStyleAt(p)};
        if (isOpener(ch)) {
            ++openAfterCaret[of];
            continue;
        }
        long& open = openAfterCaret[of];
        if (open > 0) {
            --open;
            continue;
        }
        if (failed.count(of))
            continue;
        const long opener = openerBefore(caret, lineStart, of);
        if (opener >= 0)
            return {opener, p};
        failed.insert(of);
    }
    return {};
}

std::uint64_t EnclosingBracketsPositionsRead() {
    return gPositionsRead;
}
