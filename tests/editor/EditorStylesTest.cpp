#include "editor/EditorStyles.h"

#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/InstalledFace.h"
#include "editor/SciWrappers.h"
#include "settings/BuiltInColorStyle.h"
#include "settings/DarkStyle.h"
#include "vocabulary/StyleNumbers.h"

#include <QFontDatabase>
#include <QFontInfo>

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

TEST_F(EditorStylesTest, EveryColourComesFromItsSlot) {
    auto doc = openDocument("Print 1");
    gColorStyle = DarkStyle();
    ApplyEditorStyles();
    using S = QsciScintillaBase;
    for (int style = 0; style < kColorStyleSlots; ++style) {
        const bool ownFore = style <= 20 || style == STYLE_LineNumber || style == STYLE_BraceLight || style == S::STYLE_INDENTGUIDE;
        if (ownFore) {
            EXPECT_EQ(send(S::SCI_STYLEGETFORE, style), style) << style;
        }
        // Scintilla keeps the call tips' colours in their own style.
        const long back = style == STYLE_LineNumber ? 0x2100 : style == S::STYLE_CALLTIP ? 0x1700 : 0x1D;
        EXPECT_EQ(send(S::SCI_STYLEGETBACK, style), back) << style;
        EXPECT_EQ(send(S::SCI_STYLEGETBOLD, style), style == STYLE_Keyword) << style;
        EXPECT_EQ(send(S::SCI_STYLEGETITALIC, style), style == STYLE_Comment) << style;
        EXPECT_EQ(send(S::SCI_STYLEGETSIZE, style), 10) << style;
        QByteArray face(send(S::SCI_STYLEGETFONT, style) + 1, '\0');
        SciDirect(gSciWndData, S::SCI_STYLEGETFONT, style, reinterpret_cast<sptr_t>(face.data()));
        face.chop(1);
        EXPECT_TRUE(QFontDatabase::families().contains(QString::fromLatin1(face))) << style << " " << face.constData();
    }
    EXPECT_EQ(send(S::SCI_STYLEGETFORE, S::STYLE_DEFAULT), 21);
    EXPECT_EQ(send(S::SCI_GETCARETFORE, 0), 26);
    EXPECT_EQ(send(S::SCI_GETCARETLINEBACK, 0), 25);
}

TEST_F(EditorStylesTest, FaceNamesBecomeInstalledFixedPitchFaces) {
    const QStringList installed = QFontDatabase::families();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(InstalledFace(installed.first()), installed.first());
    EXPECT_EQ(InstalledFace(installed.first().toUpper()), installed.first());
    const QString fixed = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    for (const char* unknown : {"", "Korvo Test Unknown Face", "Lucida Console", "Courier New"}) {
        const QString face = InstalledFace(QString::fromLatin1(unknown));
        EXPECT_TRUE(installed.contains(face)) << unknown;
        if (QFontInfo(QFont(QString::fromLatin1(unknown))).family() == QFontInfo(QFont(QStringLiteral("Korvo Other Unknown"))).family()) {
            EXPECT_EQ(face, fixed) << unknown;
        }
    }
}
