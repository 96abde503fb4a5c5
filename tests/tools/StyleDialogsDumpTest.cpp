#include "platform/SettingsStore.h"
#include "settings/BuiltInColorStyle.h"
#include "settings/DarkStyle.h"
#include "settings/StyleFile.h"
#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QDir>

namespace {

class StyleDialogsDumpTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("Styles"));
        writeAll(homeFile("Styles/Default.style"), FormatStyle(BuiltInColorStyle(), QStringLiteral("Plain")));
        writeAll(homeFile("Styles/Dark.style"), DarkStyleBytes());
    }
    static QStringList after(const QString& out, const QString& first) {
        const QStringList lines = out.split('\n');
        return lines.mid(lines.indexOf(first));
    }
};

}

TEST_F(StyleDialogsDumpTest, ColourStylesTakesClicksAndColourAnswersAndPrintsTheRecord) {
    const DumpRun edit = korvoDump({"--dialog", "colour-styles", "lvStyles=Dark", "lblText(2)", "chkBold=0", "answer:0x0000FF",
                                    "PicFore", "SSTab1=1", "answer:0x123456", "picMarginColor(3)"});
    ASSERT_EQ(edit.exitCode, 0) << edit.err.toStdString();
    EXPECT_TRUE(edit.out.contains("\nlblText(20)=Matched Braces disabled\n")) << "its page is not shown";
    EXPECT_TRUE(edit.out.contains("\npicMarginColor(3)=00123456\n"));
    const QStringList record = after(edit.out, "record");
    ASSERT_GE(record.size(), 1 + 2 + 41);
    EXPECT_EQ(record[2], "description Dark");
    EXPECT_EQ(record[3 + 2], "slot 2 000000FF 00000200 00020000 10 0 0 0");
    EXPECT_EQ(record[3 + 30], "slot 30 0000001E 00001E00 00123456 10 0 0 0");

    const DumpRun closed = korvoDump({"--dialog", "colour-styles", "lblText(2)", "answer:0x0000FF", "PicFore", "answer:no", "close"});
    ASSERT_EQ(closed.exitCode, 0) << closed.err.toStdString();
    EXPECT_TRUE(closed.out.startsWith("prompt:Text Fore Color:|\nprompt:Save Style|Style Default has changed.\\r\\n"));
    EXPECT_TRUE(closed.out.contains("\nclosed\n"));
    EXPECT_EQ(after(closed.out, "record").value(2), "description Plain");
    EXPECT_EQ(readAll(homeFile("Styles/Default.style")), FormatStyle(BuiltInColorStyle(), QStringLiteral("Plain")));
}

TEST_F(StyleDialogsDumpTest, UiStylesStoresTheCheckBoxOnlyThroughOk) {
    const DumpRun run = korvoDump({"--dialog", "ui-styles", "optBarXP=1", "chkUseWinXpVisuals=0", "OKButton"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("closed\noptDockWndWin=1\n"));
    EXPECT_EQ(platform::GetSetting("Options", "UseWinXPVisuals"), "0");
    EXPECT_EQ(platform::GetSetting("Options", "UICmdBarsStyle"), "2K") << "no Apply, no change";
}
