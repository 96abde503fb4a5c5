#include "vocabulary/SettingsValues.h"

#include "platform/KorvoError.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

using namespace platform;

using SettingsValuesTest = KorvoTest;

TEST_F(SettingsValuesTest, AnEmptyStoreGivesTheDefaults) {
    GetOptions();
    GetEditOptions();
    EXPECT_EQ(TabValue, 4);
    EXPECT_EQ(CursorWidth, 3);
    EXPECT_EQ(gStartUp, 3);
    EXPECT_EQ(gRecentFiles, 10);
    EXPECT_EQ(gDefNewName, "New");
    EXPECT_EQ(gBackupStoreFolder, home() + "/Backup");
    EXPECT_TRUE(ACshowAuto);
    EXPECT_FALSE(ACcompleteOnlyOne);
    EXPECT_EQ(ACFillUpChars, "(");
    EXPECT_EQ(ACStopChars.size(), 30);
    EXPECT_EQ(ACStopChars.back(), '"');
    EXPECT_FALSE(ACStopChars.contains('('));
    EXPECT_EQ(SciStyleName, "Default");
    EXPECT_EQ(IFNoHelpFound, 2);
}

TEST_F(SettingsValuesTest, StoredValuesConvertToTheirTypes) {
    SaveSetting("OptionsEdit", "cursorwidth", "2");
    SaveSetting("OptionsEdit", "ACIncVars", "0");
    SaveSetting("OptionsEdit", "ACIncKeywords", "False");
    SaveSetting("OptionsEdit", "ShowFoldMargin", "1");
    SaveSetting("Options", "gBackupStoreFolder", "/tmp/bak");
    GetEditOptions();
    GetOptions();
    EXPECT_EQ(CursorWidth, 2);
    EXPECT_FALSE(ACIncVars);
    EXPECT_FALSE(ACIncKeywords);
    EXPECT_EQ(ShowFoldMargin, 1);
    EXPECT_EQ(gBackupStoreFolder, "/tmp/bak");
}

TEST_F(SettingsValuesTest, AnUnreadableValueKeepsItsDefaultAndTheRestLoad) {
    SaveSetting("OptionsEdit", "TabValue", "wide");
    SaveSetting("OptionsEdit", "Vmargin", "7");
    GetEditOptions();
    EXPECT_EQ(TabValue, 4);
    EXPECT_EQ(Vmargin, 7);
    EXPECT_FALSE(readAll(homeFile("error.log")).isEmpty());
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(SettingsValuesTest, ConversionsFollowTheBasicRules) {
    EXPECT_EQ(settingToLong(" 12 "), 12);
    EXPECT_EQ(settingToLong("2.5"), 2);
    EXPECT_EQ(settingToLong("-3"), -3);
    EXPECT_TRUE(settingToBool("1"));
    EXPECT_TRUE(settingToBool("-1"));
    EXPECT_TRUE(settingToBool("true"));
    EXPECT_FALSE(settingToBool("0"));
    EXPECT_THROW(settingToBool("yes"), KorvoError);
    EXPECT_THROW(settingToLong(""), KorvoError);
    EXPECT_THROW(settingToLong("99999999999"), KorvoError);
}
