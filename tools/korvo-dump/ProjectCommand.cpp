#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "files/Attributes.h"
#include "files/Project.h"
#include "files/ProjectFile.h"
#include "files/WorkspaceFile.h"
#include "platform/AnsiText.h"

#include <QFileInfo>

#include <cstdio>

namespace {

QString boolean(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void printFields(const QStringList& fields) {
    printLine(fields.join(QLatin1Char('\t')));
}

void printProject(const ClsProject& project) {
    printFields({QStringLiteral("name"), project.Name});
    printFields({QStringLiteral("path"), project.Path});
    printFields({QStringLiteral("expanded"), boolean(project.Expanded)});
    printFields({QStringLiteral("icon"), project.Icon});
    printFields({QStringLiteral("mainfile"), project.MainFile});
    printFields({QStringLiteral("compiler"), project.Compiler});
    printFields({QStringLiteral("commandline"), project.CommandLine});
    for (const FolderPtr& folder : project.Folders.NewEnum())
        printFields({QStringLiteral("folder"), folder->AbsPath, boolean(folder->Expanded)});
    for (const FilePtr& file : project.Files.NewEnum())
        printFields({QStringLiteral("file"), file->AbsPath, file->PrjFolder, MemberDiskPath(project, *file)});
}

// Reads FILE as a project is loaded and prints it; with --save, writes what
// was read to OUT as Korvo saves a project.
int dumpProject(const QStringList& args) {
    const bool save = args.size() == 3 && args[1] == QLatin1String("--save");
    if (args.size() != 1 && !save)
        return kWrongArguments;
    StartHeadlessKorvo();
    ClsProject project;
    if (!BuildProjectFromFile(QFileInfo(args[0]).absoluteFilePath(), project)) {
        std::fputs("Not a valid project file !\n", stderr);
        return 1;
    }
    printProject(project);
    if (!save)
        return 0;
    project.FullPath = QFileInfo(args[2]).absoluteFilePath();
    return SaveProject(project) ? 0 : 1;
}

int dumpWorkspace(const QStringList& args) {
    if (args.size() != 1)
        return kWrongArguments;
    StartHeadlessKorvo();
    QByteArray bytes;
    if (!QFileInfo(args[0]).isFile() || !platform::readFileBytes(args[0], bytes)) {
        std::fputs("No valid workspace file found !\n", stderr);
        return 1;
    }
    const std::optional<WorkspaceContent> content = ReadWorkspaceFile(DecodeAttributeLines(bytes));
    if (!content) {
        std::fputs("Invalid workspace file !\n", stderr);
        return 1;
    }
    printFields({QStringLiteral("cpos"), QString::number(content->caretPosition)});
    for (const WorkspaceProject& project : content->projects)
        printFields({QStringLiteral("project"), project.path, boolean(project.single)});
    return 0;
}

const DumpCommand projectCommand("--project", "FILE.kpf [--save OUT.kpf]   the project as loading reads it, fields by tabs",
                                 dumpProject);
const DumpCommand workspaceCommand("--workspace", "FILE.kws   its caret position and projects, fields by tabs",
                                   dumpWorkspace);

}
