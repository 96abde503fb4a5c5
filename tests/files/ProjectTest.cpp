#include "files/Project.h"

#include "support/TestEnvironment.h"

#include <algorithm>

namespace {

class ProjectTest : public KorvoTest {};

FilePtr file(const QString& name) {
    auto f = std::make_shared<clsFile>();
    f->Name = name;
    return f;
}

QStringList names(const ClsProject& project) {
    QStringList out;
    for (const FilePtr& f : project.Files.NewEnum())
        out << f->Name;
    return out;
}

}

TEST_F(ProjectTest, MembersAndCategoriesStayInUpperCaseOrder) {
    ClsProject project;
    project.FullPath = QStringLiteral("/p/game.kpf");
    for (const char* name : {"b.bb", "A.bb", "c.bb", "B.BB"})
        DodajFileSorted(file(QString::fromLatin1(name)), project);
    EXPECT_EQ(names(project), (QStringList{"A.bb", "b.bb", "c.bb"}));
    EXPECT_EQ(project.Files.LastError, ErrKeyAlreadyAssociated);

    ClsProject accented;
    QStringList expected{QStringLiteral("\u00e9a.bb"), QStringLiteral("Eb.bb"), QStringLiteral("z.bb"), QStringLiteral("\u0131c.bb"), QStringLiteral("ia.bb"), QStringLiteral("stra\u00dfe.bb"),
                         QStringLiteral("STRASSF.bb")};
    for (const QString& name : expected)
        DodajFileSorted(file(name), accented);
    std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        return QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive) < 0;
    });
    EXPECT_EQ(names(accented), expected);

    for (const char* path : {"\\z", "\\a\\b", "\\a"}) {
        auto folder = std::make_shared<clsFolder>();
        folder->AbsPath = QString::fromLatin1(path);
        SetFolderPaths(*folder, project);
        DodajFolderSorted(folder, project);
    }
    QStringList order;
    for (const FolderPtr& f : project.Folders.NewEnum())
        order << f->FullPath + QLatin1Char('|') + f->TreeParent + QLatin1Char('|') + f->Name;
    EXPECT_EQ(order, (QStringList{"/p/game.kpf\\a|/p/game.kpf|a", "/p/game.kpf\\a\\b|/p/game.kpf\\a|b",
                                  "/p/game.kpf\\z|/p/game.kpf|z"}));
}

TEST_F(ProjectTest, AMembersDiskPathUsesSlashesOnly) {
    ClsProject project;
    project.Path = QStringLiteral("/p/game/");
    EXPECT_EQ(MemberDiskPath(project, QStringLiteral("\\src\\a.bb")), "/p/game/src/a.bb");
    EXPECT_EQ(MemberDiskPath(project, QStringLiteral("main.bb")), "/p/game/main.bb");
    clsFolder bad;
    bad.AbsPath = QStringLiteral("nobackslash");
    EXPECT_THROW(SetFolderPaths(bad, project), KorvoError);
}

TEST_F(ProjectTest, ARenamedMemberMovesToItsNewPlaceAndTakesTheMainFileAlong) {
    ClsProject project;
    for (const char* name : {"a.bb", "m.bb", "z.bb"}) {
        const FilePtr f = file(QString::fromLatin1(name));
        f->AbsPath = QStringLiteral("\\src\\") + f->Name;
        DodajFileSorted(f, project);
    }
    project.MainFile = QStringLiteral("A.BB");

    ASSERT_TRUE(RenameMember(project, QStringLiteral("a.bb"), QStringLiteral("\\lib\\q.bb")));
    EXPECT_EQ(names(project), (QStringList{"m.bb", "q.bb", "z.bb"}));
    EXPECT_EQ(project.Files.Item(QStringLiteral("q.bb"))->AbsPath, "\\lib\\q.bb");
    EXPECT_EQ(project.MainFile, "q.bb");
    EXPECT_TRUE(project.Dirty);

    project.Dirty = false;
    ASSERT_TRUE(RenameMember(project, QStringLiteral("z.bb"), QStringLiteral("\\src\\b.bb")));
    EXPECT_EQ(names(project), (QStringList{"b.bb", "m.bb", "q.bb"}));
    EXPECT_EQ(project.MainFile, "q.bb") << "only the main file's own rename moves it";
    EXPECT_FALSE(RenameMember(project, QStringLiteral("gone.bb"), QStringLiteral("\\x.bb")));
}
