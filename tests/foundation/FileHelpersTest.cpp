#include "foundation/errors/ErrorLogFile.h"
#include "foundation/FileHelpers.h"
#include "support/TestEnvironment.h"

#include <QDir>

TEST(FileHelpers, FixDoubleBackslashCollapsesPairsInOnePass) {
    EXPECT_EQ(FixDoubleBackslash("a//b///c"), "a/b//c");
    EXPECT_EQ(FixDoubleBackslash("C:\\\\x\\\\\\y"), "C:\\x\\\\y");
    EXPECT_EQ(FixDoubleBackslash("a////b"), "a//b");
    EXPECT_EQ(FixDoubleBackslash("/\\/"), "/\\/");
}

TEST(FileHelpers, ExtensionsComeFromTheFileNameOnly) {
    EXPECT_EQ(GetExtension("C:\\dir\\b.bb"), ".BB");
    EXPECT_EQ(GetExtension("/home/u/b.Kpf"), ".KPF");
    EXPECT_EQ(GetExtension("C:\\my.dir\\file"), "");
    EXPECT_EQ(GetExtension("/my.dir/file"), "");
    EXPECT_EQ(GetExtension("file"), "");
}

TEST(FileHelpers, SplittersTakeEitherSeparator) {
    EXPECT_EQ(GetFileName("C:\\dir\\f.bb"), "f.bb");
    EXPECT_EQ(GetFileName("/dir\\sub/f.bb"), "f.bb");
    EXPECT_EQ(GetFileName("C:\\dir\\"), "");
    EXPECT_EQ(GetFileName("f.bb"), "f.bb");
    EXPECT_EQ(GetFolderOfPath("C:\\dir\\f.bb", false), "C:\\dir");
    EXPECT_EQ(GetFolderOfPath("C:\\dir\\f.bb", true), "C:\\dir\\");
    EXPECT_EQ(GetFolderOfPath("/home/u/f.bb", true), "/home/u/");
    EXPECT_EQ(GetFolderOfPath("f.bb", false), "");
    EXPECT_EQ(GetFolderOfPath("f.bb", true), "");
}

TEST(FileHelpers, RelativePathsFollowTheFolderTree) {
    EXPECT_EQ(GetRelativePath("C:\\a", "C:\\a\\b\\f.bb"), "./b/f.bb");
    EXPECT_EQ(GetRelativePath("C:\\a\\c\\", "c:\\A\\f.bb"), "../f.bb");
    EXPECT_EQ(GetRelativePath("/p/src/game", "/p/lib/x.bb"), "../../lib/x.bb");
    EXPECT_EQ(GetRelativePath("/p", "/p/x.bb"), "./x.bb");
    EXPECT_EQ(GetRelativePath("/p/Src", "/p/src/x.bb"), "../src/x.bb");
    EXPECT_EQ(GetRelativePath("C:\\a", "D:\\a\\f.bb"), "");
    EXPECT_EQ(GetRelativePath("/a", "C:\\a\\f.bb"), "");
}

using FileQueries = KorvoTest;

TEST_F(FileQueries, ExistenceAndShortPaths) {
    writeAll(homeFile("f.bb"), "x");
    EXPECT_TRUE(PathExists(homeFile("f.bb")));
    EXPECT_TRUE(PathExists(home()));
    EXPECT_TRUE(PathExists(QDir::rootPath()));
    EXPECT_FALSE(PathExists(homeFile("g.bb")));
    EXPECT_FALSE(PathExists(""));
    EXPECT_EQ(ShortPathOrEmpty(homeFile("f.bb")), homeFile("f.bb"));
    EXPECT_EQ(ShortPathOrEmpty(home() + "\\f.bb"), homeFile("f.bb"));
    EXPECT_EQ(ShortPathOrEmpty(homeFile("g.bb")), "");
    EXPECT_EQ(GetShortPath(home()), home());
    EXPECT_EQ(GetShortPath(""), "");
    EXPECT_TRUE(readAll(errorLogPath()).isEmpty());

    QString deep = home();
    while (deep.size() < 2100)
        deep += '/' + QString(200, 'd');
    ASSERT_TRUE(QDir().mkpath(deep));
    EXPECT_EQ(ShortPathOrEmpty(deep), deep);
    EXPECT_EQ(GetShortPath(deep), "");
    EXPECT_TRUE(readAll(errorLogPath()).contains("Method Name               :18543"));
}

TEST_F(FileQueries, BrowseForFolderGivesThePickedFolderOrNothing) {
    platform::PromptAnswer picked;
    picked.text = "/work/games";
    scriptAnswer(picked);
    EXPECT_EQ(BrowseForFolder("select working directory"), "/work/games");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::Folder);
    EXPECT_EQ(prompts[0].title, "select working directory");

    platform::PromptAnswer cancelled;
    cancelled.accepted = false;
    scriptAnswer(cancelled);
    EXPECT_EQ(BrowseForFolder("again"), "");
}
