#include "foundation/Mru.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

using MruTest = KorvoTest;

namespace {
QStringList entriesOf(const ClsMRU& list) {
    QStringList entries;
    for (int i = 1; i <= list.Count(); ++i)
        entries << list.IndexItem(i);
    return entries;
}
}

TEST_F(MruTest, RecentModeKeepsTheNewestFirstAndDropsTheOldest) {
    ClsMRU list;
    ASSERT_EQ(list.Number(), 5);
    list.Add("A");
    list.Add("A");
    EXPECT_EQ(entriesOf(list), QStringList({"A"}));
    list.Add("B");
    list.Add("C");
    EXPECT_EQ(entriesOf(list), QStringList({"C", "B", "A"}));
    list.Add("a");
    EXPECT_EQ(entriesOf(list), QStringList({"a", "C", "B"}));

    list.Add("D");
    list.Add("E");
    list.Add("F");
    EXPECT_EQ(entriesOf(list), QStringList({"F", "E", "D", "a", "C"}));
    list.setNumber(3);
    list.Add("G");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.IndexItem(1), "G");

    EXPECT_EQ(list.IndexItem(0), "");
    EXPECT_EQ(list.IndexItem(6), "");
    list.Remove("g");
    list.Remove("missing");
    EXPECT_EQ(list.IndexItem(1), "F");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(MruTest, FavouritesAppendAndRefuseOnceFull) {
    ClsMRU favourites;
    favourites.setAsFavorites(true);
    favourites.setNumber(2);
    favourites.Add("/work/a.bb");
    favourites.Add("/WORK/A.BB");
    EXPECT_TRUE(prompts.isEmpty());
    favourites.Add("/work/b.bb");
    EXPECT_EQ(entriesOf(favourites), QStringList({"/work/a.bb", "/work/b.bb"}));

    favourites.Add("/work/c.bb");
    favourites.Add("/work/a.bb");
    EXPECT_EQ(entriesOf(favourites), QStringList({"/work/a.bb", "/work/b.bb"}));
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].text, "Maximum number of files reached !\r\nFile is not added to the list.");
    EXPECT_EQ(prompts[0].icon, platform::vbCritical);
    EXPECT_EQ(prompts[0].title, "Korvo");
}

TEST_F(MruTest, LoadTakesEveryStoredValueInStoreOrder) {
    for (int i = 1; i <= 12; ++i)
        platform::SaveSetting("MRUMRUFind", QString::number(i), QString("find %1").arg(i));
    ClsMRU list;
    list.setName("MRUFind");
    list.Add("kept?");
    list.Load();
    ASSERT_EQ(list.Count(), 12);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(list.IndexItem(i), QString("find %1").arg(i));

    ClsMRU missing;
    missing.setName("Nothing");
    missing.Add("stays");
    missing.Load();
    EXPECT_EQ(entriesOf(missing), QStringList({"stays"}));
}

TEST_F(MruTest, SaveRewritesTheSectionAndLoadRestoresIt) {
    ClsMRU list;
    list.setName("MRUCommandLine");
    for (const char* entry : {"one", "two", "three"})
        list.Add(entry);
    list.Save();
    list.Remove("three");
    list.Save();
    EXPECT_EQ(platform::GetAllSettings("MRUMRUCommandLine").size(), 2);

    ClsMRU again;
    again.setName("MRUCommandLine");
    again.Load();
    EXPECT_EQ(entriesOf(again), QStringList({"two", "one"}));
}

TEST_F(MruTest, AHandEditedDuplicateLoadsOnce) {
    platform::SaveSetting("MRUFileFavorites", "1", "/a.bb");
    platform::SaveSetting("MRUFileFavorites", "2", "/A.BB");
    platform::SaveSetting("MRUFileFavorites", "3", "/b.bb");
    ClsMRU favourites;
    favourites.setName("FileFavorites");
    favourites.Load();
    EXPECT_EQ(entriesOf(favourites), QStringList({"/a.bb", "/b.bb"}));
}
