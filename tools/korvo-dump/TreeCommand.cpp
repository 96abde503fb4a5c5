#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/ProjectFile.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"
#include "files/projects/frmProjectEx.h"

#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

// Reads each project file as a project is loaded, without opening its
// members, and prints the project manager's tree of them.
int dumpTree(const QStringList& args) {
    if (args.isEmpty())
        return kWrongArguments;
    StartHeadlessKorvo();
    for (const QString& arg : args) {
        auto project = std::make_shared<ClsProject>();
        if (!BuildProjectFromFile(QFileInfo(arg).absoluteFilePath(), *project)) {
            std::fprintf(stderr, "Not a valid project file ! %s\n", arg.toUtf8().constData());
            return 1;
        }
        gProjects.Add(project, project->FullPath);
    }
    {
        frmProjectEx panel;
        panel.PopulateTreeView(QString());
        for (const QString& line : projects::TreeLines(*panel.tvProjects))
            printLine(line);
        // A dump writes no project file, not even at the panel's unload.
        for (const ProjectPtr& project : gProjects.NewEnum())
            project->Dirty = false;
    }
    return 0;
}

const DumpCommand treeCommand("--tree", "FILE.kpf...", dumpTree);

}
