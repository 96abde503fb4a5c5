#include "files/ProjectFile.h"

#include "files/Project.h"
#include "support/TestEnvironment.h"

#include <QDir>

#include <algorithm>

namespace {

const QByteArray kGame = "[Korvo Project file]\r\n<Settings>\r\n Version=\"1\"\r\n Expanded=\"True\"\r\n Icon=\"\"\r\n"
                         " MainFile=\"main.bb\"\r\n Compiler=\"Blitz\"\r\n CommandLine=\"-w\"\r\n</Settings>\r\n"
                         "<Folders>\r\n AbsPath=\"\\src\" Expanded=\"False\"\r\n</Folders>\r\n<Files>\r\n"
                         " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         " AbsPath=\"\\src\\util.bb\" PrjFolder=\"\\src\" Line=\"0\" Column=\"0\" Tip=\"0\" "
                         "Visible=\"False\"\r\n</Files>\r\n";

class ProjectFileTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir().mkpath(homeFile("game/src"));
        writeAll(homeFile("game/main.bb"), "; main");
        writeAll(homeFile("game/src/util.bb"), "; util");
    }

    QString gameFile() const { return homeFile("game/game.kpf"); }

    // Reads the bytes as the project file and saves it back; what was written.
    QByteArray readAndSave(const QByteArray& bytes) {
        writeAll(gameFile(), bytes);
        ClsProject project;
        EXPECT_TRUE(BuildProjectFromFile(gameFile(), project));
        EXPECT_TRUE(SaveProject(project));
        return readAll(gameFile());
    }
};

}

TEST_F(ProjectFileTest, AProjectIsWrittenAsWindowsWritesIt) {
    ClsProject project;
    SetProjectFilePath(project, gameFile());
    project.Expanded = true;
    project.MainFile = QStringLiteral("main.bb");
    project.Compiler = QStringLiteral("Blitz");
    project.CommandLine = QStringLiteral("-w");
    project.Dirty = true;
    auto folder = std::make_shared<clsFolder>();
    folder->AbsPath = QStringLiteral("\\src");
    SetFolderPaths(*folder, project);
    DodajFolderSorted(folder, project);
    for (const char* path : {"\\src\\util.bb", "\\main.bb"}) {
        auto file = std::make_shared<clsFile>();
        file->AbsPath = QString::fromLatin1(path);
        file->Name = file->AbsPath.mid(file->AbsPath.lastIndexOf(QLatin1Char('\\')) + 1);
        file->PrjFolder = file->Name == QLatin1String("util.bb") ? QStringLiteral("\\src") : QString();
        DodajFileSorted(file, project);
    }
    ASSERT_TRUE(SaveProject(project));
    EXPECT_EQ(readAll(gameFile()), kGame);
    EXPECT_FALSE(project.Dirty);
    EXPECT_EQ(project.Name, "game");
    EXPECT_EQ(project.Path, homeFile("game/"));
}

TEST_F(ProjectFileTest, ReadingAndSavingBackKeepsTheFileOrSortsIt) {
    EXPECT_EQ(readAndSave(kGame), kGame);
    QByteArray swapped = kGame;
    const QByteArray main = " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n";
    swapped.replace(main, "");
    swapped.replace("</Files>", main + "</Files>");
    ASSERT_NE(swapped, kGame);
    EXPECT_EQ(readAndSave(swapped), kGame);

    QByteArray lfOnly = kGame;
    lfOnly.replace("\r\n", "\n");
    EXPECT_EQ(readAndSave(lfOnly), kGame);

    QByteArray quoted = kGame;
    quoted.replace("CommandLine=\"-w\"", "CommandLine=\"-f \"\"a b.txt\"\"\"");
    writeAll(gameFile(), quoted);
    ClsProject project;
    ASSERT_TRUE(BuildProjectFromFile(gameFile(), project));
    EXPECT_EQ(project.CommandLine, "-f \"a b.txt\"");
    EXPECT_EQ(readAndSave(quoted), quoted);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ProjectFileTest, AMemberSpelledInAnotherCaseIsFoundAndKeptAsWritten) {
    QByteArray upper = kGame;
    upper.replace("AbsPath=\"\\src\\util.bb\"", "AbsPath=\"\\SRC\\Util.BB\"");
    writeAll(gameFile(), upper);
    ClsProject project;
    ASSERT_TRUE(BuildProjectFromFile(gameFile(), project));
    ASSERT_EQ(project.Files.Count(), 2);
    EXPECT_EQ(MemberDiskPath(project, *project.Files.Item(2)), homeFile("game/src/util.bb"));
    EXPECT_TRUE(prompts.isEmpty());
    ASSERT_TRUE(SaveProject(project));
    EXPECT_EQ(readAll(gameFile()), upper);
}

TEST_F(ProjectFileTest, AMissingMemberIsAnnouncedAndLeftOut) {
    QFile::remove(homeFile("game/src/util.bb"));
    writeAll(gameFile(), kGame);
    ClsProject project;
    ASSERT_TRUE(BuildProjectFromFile(gameFile(), project));
    EXPECT_EQ(project.Files.Count(), 1);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "File not found");
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(prompts[0].text, " File " + homeFile("game/src/util.bb") +
                                   " that is part of this project is missing \r\n This file will be removed from this project");
}

TEST_F(ProjectFileTest, ManyMissingMembersAreAnnouncedInOneMessage) {
    QByteArray bytes = kGame.left(kGame.indexOf("</Files>"));
    for (int i = 0; i < 500; ++i)
        bytes += " AbsPath=\"\\moved\\m" + QByteArray::number(i) + ".bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" "
                 "Visible=\"False\"\r\n";
    bytes += "</Files>\r\n";
    writeAll(gameFile(), bytes);
    ClsProject project;
    ASSERT_TRUE(BuildProjectFromFile(gameFile(), project));
    EXPECT_EQ(project.Files.Count(), 2);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_TRUE(prompts[0].text.startsWith("500 files that are part of this project are missing:\r\n" +
                                           homeFile("game/moved/m0.bb") + "\r\n"));
    EXPECT_TRUE(prompts[0].text.contains(homeFile("game/moved/m9.bb") + "\r\n... and 490 more\r\n"));
    EXPECT_FALSE(prompts[0].text.contains("m10.bb"));
}

TEST_F(ProjectFileTest, MembersWithTheSameFileNameAreNamedAndSavedInTheOrderRead) {
    QDir().mkpath(homeFile("game/x"));
    QDir().mkpath(homeFile("game/y"));
    for (const char* name : {"game/x/a.bb", "game/y/a.bb", "game/b.bb", "game/B.bb"})
        writeAll(homeFile(name), "; member");
    const QByteArray lines[] = {
        " AbsPath=\"\\x\\a.bb\" PrjFolder=\"\" Line=\"1\" Column=\"2\" Tip=\"3\" Visible=\"True\"\r\n",
        " AbsPath=\"\\y\\a.bb\" PrjFolder=\"\" Line=\"4\" Column=\"5\" Tip=\"6\" Visible=\"False\"\r\n",
        " AbsPath=\"\\b.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n",
        " AbsPath=\"\\B.bb\" PrjFolder=\"\" Line=\"7\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n",
    };
    QByteArray bytes = kGame.left(kGame.indexOf("<Files>\r\n") + 9);
    for (const QByteArray& line : lines)
        bytes += line;
    bytes += "</Files>\r\n";
    writeAll(gameFile(), bytes);

    ClsProject project;
    ASSERT_TRUE(BuildProjectFromFile(gameFile(), project));
    EXPECT_EQ(project.Files.Count(), 2);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_TRUE(prompts[0].text.contains(homeFile("game/y/a.bb")));
    EXPECT_TRUE(prompts[0].text.contains(homeFile("game/B.bb")));
    EXPECT_FALSE(prompts[0].text.contains(homeFile("game/x/a.bb")));

    ASSERT_TRUE(SaveProject(project));
    EXPECT_EQ(readAll(gameFile()), bytes);

    // Without categories or a section for them, and with the names read out of order.
    QByteArray unsorted = bytes;
    unsorted.replace(kGame.mid(kGame.indexOf("<Folders>"), kGame.indexOf("<Files>") - kGame.indexOf("<Folders>")), "");
    unsorted.replace(lines[0], "");
    unsorted.replace("</Files>", lines[0] + "</Files>");
    QByteArray sorted = unsorted;
    sorted.replace(lines[0], "");
    sorted.replace(lines[1], lines[1] + lines[0]);
    ASSERT_FALSE(sorted.contains("<Folders>"));
    EXPECT_EQ(readAndSave(unsorted), sorted);
    EXPECT_EQ(readAndSave(sorted), sorted);
}

TEST_F(ProjectFileTest, NestedCategoriesReadInWorkThatGrowsWithTheirNumber) {
    // Categories each inside the last, as written or in reverse.
    const auto examined = [&](int depth, bool reversed) {
        QByteArrayList categories;
        QByteArray path;
        for (int i = 0; i < depth; ++i) {
            path += "\\c" + QByteArray::number(i);
            categories.append(" AbsPath=\"" + path + "\" Expanded=\"True\"\r\n");
        }
        if (reversed)
            std::reverse(categories.begin(), categories.end());
        QByteArray bytes = kGame.left(kGame.indexOf("<Folders>\r\n") + 11) + categories.join();
        bytes += kGame.mid(kGame.indexOf("</Folders>"));
        writeAll(gameFile(), bytes);
        const std::uint64_t before = CollectionTools<FolderPtr>::EntriesExamined();
        ClsProject project;
        EXPECT_TRUE(BuildProjectFromFile(gameFile(), project));
        EXPECT_EQ(project.Folders.Count(), depth);
        const FolderPtr deepest = project.Folders.Item(depth);
        EXPECT_TRUE(deepest && deepest->AbsPath == QString::fromLatin1(path));
        return CollectionTools<FolderPtr>::EntriesExamined() - before;
    };
    for (const bool reversed : {false, true}) {
        const std::uint64_t small = examined(100, reversed);
        EXPECT_LE(examined(1000, reversed), small * 20) << reversed;
    }
}

TEST_F(ProjectFileTest, InvalidFilesReadAsFalse) {
    QByteArray lowerHeader = kGame;
    lowerHeader.replace("[Korvo Project file]", "[korvo project file]");
    const QByteArray cut = kGame.left(kGame.indexOf("</Files>"));
    QByteArray noExpanded = kGame;
    noExpanded.replace(" Expanded=\"True\"\r\n", "");
    QByteArray badNumber = kGame;
    badNumber.replace("Tip=\"0\"", "Tip=\"zero\"");
    QByteArray categoryWithoutBackslash = kGame;
    categoryWithoutBackslash.replace("AbsPath=\"\\src\" Expanded", "AbsPath=\"src\" Expanded");
    for (const QByteArray& bytes : {lowerHeader, cut, noExpanded, badNumber, categoryWithoutBackslash}) {
        writeAll(gameFile(), bytes);
        ClsProject project;
        EXPECT_FALSE(BuildProjectFromFile(gameFile(), project)) << bytes.toStdString();
        EXPECT_EQ(readAll(gameFile()), bytes);
    }
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ProjectFileTest, AFailedSaveKeepsTheProjectChanged) {
    writeAll(homeFile("blocker"), "not a folder");
    ClsProject project;
    SetProjectFilePath(project, homeFile("blocker/game.kpf"));
    project.Dirty = true;
    EXPECT_FALSE(SaveProject(project));
    EXPECT_TRUE(project.Dirty);
    EXPECT_EQ(readAll(homeFile("blocker")), "not a folder");
}
