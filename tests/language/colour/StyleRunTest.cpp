#include "editor/EditorFixture.h"

#include "editor/SciWrappers.h"
#include "language/colour/StyleRun.h"

using StyleRunTest = EditorTest;

TEST_F(StyleRunTest, StaysOnItsLineAndInsideTheDocument) {
    auto doc = openDocument("ab\r\ncd\r\nef");
    SciStartStyling(0, 255);
    SciSetStyling(SciGetLength(), 0);

    StyleRun(1, 10, 5);  // past its line end
    EXPECT_EQ(SciGetStyleAt(1), 5);
    EXPECT_EQ(SciGetStyleAt(3), 5);
    EXPECT_EQ(SciGetStyleAt(4), 0);

    StyleRun(8, 3, 7);  // past the end of the document
    EXPECT_EQ(SciGetStyleAt(9), 7);

    StyleRun(-2, 3, 9);
    EXPECT_EQ(SciGetStyleAt(0), 9);
    EXPECT_EQ(SciGetStyleAt(1), 5);

    for (long position : {10L, 11L, 1000000L})
        StyleRun(position, 1, 3);
    StyleRun(5, -4, 3);
    for (long position = 4; position < SciGetLength(); ++position)
        EXPECT_NE(SciGetStyleAt(position), 3) << position;
}
