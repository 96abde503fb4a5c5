#include "editor/EditorStyles.h"

#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "settings/BuiltInColorStyle.h"
#include "vocabulary/StyleNumbers.h"

namespace {

class EditorStylesTest : public EditorTest {
protected:
    void TearDown() override {
        gColorStyle = BuiltInColorStyle();
        EditorTest::TearDown();
    }
    static long send(unsigned message, long wParam) { return long(SciDirect(gSciWndData, message, uptr_t(wParam))); }
};

}

TEST_F(EditorStylesTest, TheEditorShowsTheCurrentColourStyle) {
    auto doc = openDocument("Print 1");
    gColorStyle.ForeColor[STYLE_Keyword] = 0x123456;
    gColorStyle.FontSize[STYLE_Keyword] = 14;
    gColorStyle.Underline[STYLE_Keyword] = -1;
    gColorStyle.ForeColor[29] = 0xEEDDCC;
    gColorStyle.BackColor[STYLE_LineNumber] = 0x010203;
    ApplyEditorStyles();
    EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETFORE, STYLE_Keyword), 0x123456);
    EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETSIZE, STYLE_Keyword), 14);
    EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETUNDERLINE, STYLE_Keyword), 1);
    EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETBACK, STYLE_Comment), 0xEEDDCC);
    EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETBACK, STYLE_LineNumber), 0x010203);
}
