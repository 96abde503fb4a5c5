#include "files/projects/ProjectManagerFixture.h"

#include "editor/ActiveDocument.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"

#include <QDir>

void ProjectManagerTest::SetUp() {
    DocumentFilesTest::SetUp();
    panel = std::make_unique<frmProjectEx>();
}

void ProjectManagerTest::TearDown() {
    for (const ProjectPtr& project : gProjects.NewEnum())
        project->Dirty = false;
    panel.reset();
    DocumentFilesTest::TearDown();
}

ProjectPtr ProjectManagerTest::addProject(const QString& folder, const QString& name,
                                          std::initializer_list<const char*> categories,
                                          std::initializer_list<Member> members) {
    auto project = std::make_shared<ClsProject>();
    project->Path = homeFile(folder) + QLatin1Char('/');
    project->FullPath = project->Path + name + QStringLiteral(".kpf");
    project->Name = name;
    project->Expanded = true;
    QDir().mkpath(project->Path);
    for (const char* category : categories) {
        auto record = std::make_shared<clsFolder>();
        record->AbsPath = QString::fromLatin1(category);
        SetFolderPaths(*record, *project);
        DodajFolderSorted(record, *project);
    }
    for (const Member& member : members) {
        auto file = std::make_shared<clsFile>();
        file->AbsPath = QString::fromLatin1(member.absPath);
        file->Name = file->AbsPath.mid(file->AbsPath.lastIndexOf(QLatin1Char('\\')) + 1);
        file->PrjFolder = QString::fromLatin1(member.prjFolder);
        file->TreeParent = project->FullPath + file->PrjFolder;
        DodajFileSorted(file, *project);
        const QString path = MemberDiskPath(*project, *file);
        QDir().mkpath(QFileInfo(path).path());
        writeAll(path, "Print 1\r\n");
    }
    gProjects.Add(project, project->FullPath);
    return project;
}

QTreeWidgetItem* ProjectManagerTest::select(const QString& key) {
    QTreeWidgetItem* item = panel->node(key);
    panel->tvProjects->setCurrentItem(item);
    return item;
}

QStringList ProjectManagerTest::folderPaths(const ProjectPtr& project) const {
    QStringList paths;
    for (const FolderPtr& folder : project->Folders.NewEnum())
        paths << folder->AbsPath;
    return paths;
}

QStringList ProjectManagerTest::treeLines() const {
    QStringList lines = projects::TreeLines(*panel->tvProjects);
    for (QString& line : lines)
        line = line.section(QLatin1Char('\t'), 0, 2);
    return lines;
}
