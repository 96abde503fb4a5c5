#include "editor/CurrentView.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Parser.h"

#include <gtest/gtest.h>

using S = QsciScintillaBase;

namespace {

constexpr long kReported = S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE;

long maskOf(SciView& view) {
    return view.send(S::SCI_GETMODEVENTMASK);
}

}

// Nested scopes, of the same view or of another in between: each view is
// silent while any scope of it lives, and reports again only once the
// outermost has ended.
TEST(OwnEdits, NestedScopesSilenceEachViewUntilTheOutermostOfItEnds) {
    SciView first;
    SciView second;
    first.send(S::SCI_SETMODEVENTMASK, kReported);
    second.send(S::SCI_SETMODEVENTMASK, kReported);
    ScopedCurrentView onFirst{SciHandle(&first)};
    const bool ignoring = gIgnoreSciModified;
    {
        OwnEdits outer;
        EXPECT_EQ(maskOf(first), 0);
        EXPECT_TRUE(gIgnoreSciModified);
        {
            OwnEdits sameView;
            EXPECT_EQ(maskOf(first), 0);
        }
        EXPECT_EQ(maskOf(first), 0);
        EXPECT_TRUE(gIgnoreSciModified);
        {
            ScopedCurrentView onSecond{SciHandle(&second)};
            OwnEdits otherView;
            EXPECT_EQ(maskOf(second), 0);
            {
                ScopedCurrentView backOnFirst{SciHandle(&first)};
                OwnEdits firstAgain;
                EXPECT_EQ(maskOf(first), 0);
            }
            EXPECT_EQ(maskOf(first), 0);
        }
        EXPECT_EQ(maskOf(second), kReported);
        EXPECT_EQ(maskOf(first), 0);
    }
    EXPECT_EQ(maskOf(first), kReported);
    EXPECT_EQ(gIgnoreSciModified, ignoring);
}
