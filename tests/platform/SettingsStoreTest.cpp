#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>

using namespace platform;

using SettingsStoreTest = KorvoTest;

TEST_F(SettingsStoreTest, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    EXPECT_EQ(GetSetting("Options", "TabValue", "4"), "4");
    SaveSetting("OptionsEdit", "cursorwidth", "2");
    EXPECT_EQ(GetSetting("optionsedit", "CursorWidth"), "2");
    SaveSetting("OPTIONSEDIT", "CURSORWIDTH", "1");
    const SettingPairs all = GetAllSettings("OptionsEdit");
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].first, "cursorwidth");
    EXPECT_EQ(all[0].second, "1");
}

TEST_F(SettingsStoreTest, ValuesListInTheOrderFirstWritten) {
    SaveSetting("MRUFind", "3", "c");
    SaveSetting("MRUFind", "1", "a");
    SaveSetting("MRUFind", "2", "b");
    SaveSetting("MRUFind", "3", "C");
    const SettingPairs all = GetAllSettings("MRUFind");
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0], qMakePair(QString("3"), QString("C")));
    EXPECT_EQ(all[1].first, "1");
    EXPECT_EQ(all[2].first, "2");
}

TEST_F(SettingsStoreTest, DeletesKeysAndSections) {
    SaveSetting("A", "x", "1");
    SaveSetting("A", "y", "2");
    SaveSetting("B", "z", "3");
    DeleteSetting("a", "X");
    EXPECT_EQ(GetSetting("A", "x", "gone"), "gone");
    EXPECT_EQ(GetSetting("A", "y"), "2");
    DeleteSetting("b");
    EXPECT_TRUE(GetAllSettings("B").isEmpty());
    EXPECT_EQ(GetSetting("A", "y"), "2");
}

TEST_F(SettingsStoreTest, AnyTextSurvivesTheFile) {
    const QString awkward = " C:\\dir\\a=b [x] 100%\r\nnext ";
    SaveSetting("Odd [Section]", "key=1", awkward);
    EXPECT_EQ(GetSetting("Odd [Section]", "key=1"), awkward);
    EXPECT_EQ(GetSetting("Odd [Section]", "key"), "");
}

TEST_F(SettingsStoreTest, ReadsAFileWrittenByHand) {
    QFile::remove(settingsFilePath());
    SaveSetting("Seed", "k", "v");
    writeAll(settingsFilePath(), "[OptionsEdit]\ncursorwidth=2\n\n[Options]\r\ngStartUp=1\r\n");
    EXPECT_EQ(GetSetting("OptionsEdit", "CursorWidth"), "2");
    EXPECT_EQ(GetSetting("options", "gstartup"), "1");
    EXPECT_TRUE(settingsFilePath().startsWith(configHome() + "/Korvo/"));
}

TEST_F(SettingsStoreTest, ReplacingASectionDropsItsOldValues) {
    SaveSetting("MRUFind", "1", "old");
    SaveSetting("MRUFind", "2", "older");
    SaveSetting("Other", "k", "v");
    ReplaceSection("mrufind", {{"1", "new"}});
    const SettingPairs all = GetAllSettings("MRUFind");
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].second, "new");
    EXPECT_EQ(GetSetting("Other", "k"), "v");
}

TEST_F(SettingsStoreTest, ASectionReadOnceAnswersKeysInAnyCase) {
    SaveSetting("RecentFilenames", "Count", "2");
    const SectionValues values("recentfilenames");
    EXPECT_EQ(values.value("COUNT"), "2");
    EXPECT_EQ(values.value("1", "none"), "none");
}

TEST_F(SettingsStoreTest, ABatchWritesTheFileOnceWhenItCloses) {
    SaveSetting("Options", "Kept", "1");
    const QByteArray before = readAll(settingsFilePath());
    {
        SettingsBatch outer;
        for (int i = 0; i < 28; ++i)
            SaveSetting("Options", "Key" + QString::number(i), QString::number(i));
        DeleteSetting("Options", "Kept");
        {
            SettingsBatch inner;
            SaveSetting("Layout", "Width", "800");
        }
        EXPECT_EQ(readAll(settingsFilePath()), before);
        EXPECT_EQ(GetSetting("Options", "Key27"), "27");
        EXPECT_EQ(GetSetting("Options", "Kept", "gone"), "gone");
        EXPECT_EQ(GetAllSettings("Layout").size(), 1);
    }
    EXPECT_EQ(GetSetting("Options", "Key0"), "0");
    EXPECT_EQ(GetSetting("Layout", "Width"), "800");
    EXPECT_EQ(GetSetting("Options", "Kept", "gone"), "gone");
    // After the batch each change goes to the file again.
    SaveSetting("Options", "After", "x");
    EXPECT_TRUE(readAll(settingsFilePath()).contains("After=x"));
}
