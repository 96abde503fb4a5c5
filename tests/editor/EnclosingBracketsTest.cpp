#include "editor/EnclosingBrackets.h"

#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"

namespace {

using EnclosingBracketsTest = EditorTest;

// The pair as a walk back from every closer after the caret finds it.
BracketPair walkedBack(long caret, long lineStart, long lineEnd) {
    for (long f = caret; f < lineEnd; ++f) {
        const int closer = SciGetCharAt(f);
        if (closer != ')' && closer != ']')
            continue;
        const int opener = closer == ')' ? '(' : '[';
        int depth = 1;
        for (long p = f - 1; p >= lineStart; --p) {
            const int ch = SciGetCharAt(p);
            if ((ch != closer && ch != opener) || SciGetStyleAt(p) != SciGetStyleAt(f))
                continue;
            depth += ch == closer ? 1 : -1;
            if (depth == 0) {
                if (p < caret)
                    return {p, f};
                break;
            }
        }
    }
    return {};
}

}

TEST_F(EnclosingBracketsTest, FindsThePairAWalkBackFromEachCloserFinds) {
    const QByteArray lines[] = {
        "x = a(1, b(2)) + c[3]",
        "Print \"(\" + (y) + \")\" ; ( ]",
        "a(b[c)d]e))(]",
        "z = )) ((1) [2]",
    };
    for (const QByteArray& line : lines) {
        auto doc = openDocument("Local a, b, c, d, e, x, y, z\r\n" + line + "\r\n");
        const long start = SciPositionFromLine(1);
        const long end = SciGetLineEndPosition(1);
        for (long caret = start; caret <= end; ++caret) {
            const BracketPair found = EnclosingBrackets(caret, start, end);
            const BracketPair expected = walkedBack(caret, start, end);
            EXPECT_EQ(found.opener, expected.opener) << line.constData() << " at " << caret - start;
            EXPECT_EQ(found.closer, expected.closer) << line.constData() << " at " << caret - start;
        }
    }
}

TEST_F(EnclosingBracketsTest, NestedBracketsAreSearchedInWorkThatGrowsWithTheLine) {
    const auto read = [&](int depth) {
        auto doc = openDocument("x = " + QByteArray(depth, '(') + "1" + QByteArray(depth, ')') + "\r\n");
        const long end = SciGetLineEndPosition(0);
        const long one = 4 + depth;
        const std::uint64_t before = EnclosingBracketsPositionsRead();
        for (const long caret : {0L, 4L, one / 2, one, one + 1, one + depth / 2, end}) {
            const BracketPair pair = EnclosingBrackets(caret, 0, end);
            if (caret > 4 && caret <= one + depth / 2) {
                EXPECT_GE(pair.opener, 0) << caret;
            }
        }
        return EnclosingBracketsPositionsRead() - before;
    };
    const std::uint64_t small = read(1000);
    EXPECT_LE(read(10000), small * 15);
}
