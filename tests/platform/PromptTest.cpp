#include "platform/Prompt.h"
#include "support/TestEnvironment.h"

using namespace platform;

using PromptTest = KorvoTest;

TEST_F(PromptTest, MessageBoxesCarryTheirStyleAndTakeTheScriptedAnswer) {
    scriptButton(vbNo);
    EXPECT_EQ(MsgBox("Save changes?", vbYesNoCancel + vbQuestion + vbDefaultButton2), vbNo);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "Korvo");
    EXPECT_EQ(prompts[0].buttons, vbYesNoCancel);
    EXPECT_EQ(prompts[0].icon, vbQuestion);
    EXPECT_EQ(prompts[0].defaultButton, 1);
    EXPECT_EQ(MsgBox("Again?", vbYesNoCancel + vbDefaultButton3, "Korvo - Test"), vbCancel);
    EXPECT_EQ(prompts[1].title, "Korvo - Test");
}

TEST_F(PromptTest, NonInteractiveRunsTakeDefaults) {
    setPromptHandler({});
    qputenv("KORVO_NONINTERACTIVE", "1");
    EXPECT_EQ(MsgBox("Sure?", vbYesNo + vbDefaultButton2), vbNo);
    EXPECT_EQ(InputBox("Name", "", "New"), "New");
    EXPECT_FALSE(chooseOpenFile("Open", home(), "*.bb").has_value());
    EXPECT_FALSE(chooseColour("Colour", 0xFF).has_value());
    qunsetenv("KORVO_NONINTERACTIVE");
}

TEST_F(PromptTest, CancelledInputGivesEmptyText) {
    PromptAnswer cancelled;
    cancelled.accepted = false;
    cancelled.text = "typed";
    scriptAnswer(cancelled);
    EXPECT_EQ(InputBox("Name"), "");
}

TEST_F(PromptTest, AMessageBoxShowsNoMoreThanAScreenHolds) {
    const QString hugeName(10 * 1024 * 1024, QLatin1Char('n'));
    MsgBox("Compiler " + hugeName + " not found\r\nChoose another", vbOKOnly, hugeName);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Compiler " + hugeName.left(291) + "...\r\nChoose another");
    EXPECT_LE(prompts[0].title.size(), 103);

    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines.append(QString::number(i));
    MsgBox(lines.join("\r\n"));
    const QStringList shown = prompts[1].text.split("\r\n");
    ASSERT_EQ(shown.size(), 41);
    EXPECT_EQ(shown[39], "39");
    EXPECT_EQ(shown[40], "... (60 more lines)");
}
