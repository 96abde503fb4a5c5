#pragma once

#include "files/DocumentFilesFixture.h"
#include "files/Project.h"
#include "files/projects/ProjectsTree.h"
#include "files/projects/frmProjectEx.h"

#include <QTreeWidgetItem>

#include <initializer_list>
#include <memory>

// A project manager panel over projects built in memory in folders of the
// test's home, their member files written to disk.
class ProjectManagerTest : public DocumentFilesTest {
protected:
    void SetUp() override;
    void TearDown() override;

    struct Member {
        const char* absPath;    // "\src\a.bb"
        const char* prjFolder;  // "\src", "" at the top
    };
    // Project folder/name.kpf with its categories and members, open and unchanged.
    ProjectPtr addProject(const QString& folder, const QString& name, std::initializer_list<const char*> categories,
                          std::initializer_list<Member> members);
    // Selects the node under key (folder/name.kpf followed by the category path and "\" name).
    QTreeWidgetItem* select(const QString& key);
    QString key(const ProjectPtr& project, const QString& inside) const { return project->FullPath + inside; }
    QStringList folderPaths(const ProjectPtr& project) const;
    QStringList treeLines() const;

    std::unique_ptr<frmProjectEx> panel;
};
