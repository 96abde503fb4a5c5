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
