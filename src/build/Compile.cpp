#include "build/Compile.h"

#include "build/ActiveCompiler.h"
#include "build/BuildRun.h"
#include "build/BuildState.h"
#include "build/CompilerCommand.h"
#include "build/ParseError.h"
#include "build/frmCompiling.h"
#include "build/frmOutput.h"
#include "editor/ActiveDocument.h"
#include "editor/DocumentWindows.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/SaveDocuments.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/DetachedStart.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace {

enum class BuildKind { Run, Debug, Check, Exe };

bool isCompile(BuildKind kind) {
    return kind == BuildKind::Run || kind == BuildKind::Debug;
}

void showDocument(frmDoc& doc) {
    try {
        platform::host().activateDocumentWindow(doc.FullFilename);
    } catch (const KorvoError&) {
    }
    if (gActiveDoc != &doc)
        ActivateDocument(&doc);
}

// The source to compile, saved as the build needs it; false ends the build.
bool prepareSource(BuildKind kind, QString& FileName) {
    frmDoc& doc = *gActiveDoc;
    ClsProject& project = *gActiveProject;
    if (project.SingleFile) {
        if (kind != BuildKind::Exe && doc.NewFile) {
            FileName = TemporarySourcePath();
            QDir().mkpath(QFileInfo(FileName).path());
            if (!SaveTextToFile(FileName))
                RaiseError(ErrPathFileAccess, QStringLiteral("Could not write ") + FileName);
            return true;
        }
        // An untitled document has no file to make an executable from until it is saved.
        const bool mustSave = doc.Dirty() || (kind == BuildKind::Exe && doc.NewFile);
        if (mustSave && !SaveDocument(&doc))
            return false;
        if (FileName.isEmpty() || (kind == BuildKind::Exe && IsUntitledKey(FileName)))
            FileName = doc.FullFilename;
        return true;
    }
    if (!project.Files.Exist_Key(project.MainFile)) {
        platform::MsgBox(QStringLiteral("Please Set the 'Main File' for this project first..."),
                         platform::vbExclamation | platform::vbOKOnly, QStringLiteral("Operation aborted"));
        return false;
    }
    SaveProjectSources();
    FileName = MemberDiskPath(project, *project.Files.Item(project.MainFile));
    return true;
}

// The compiler of the active installation, or empty after telling why not.
QString compilerProgram() {
    const QString program = CompilerExecutable(gActiveCompiler->Path);
    if (!PathExists(program)) {
        platform::MsgBox(QStringLiteral("Specified compiler not found on location :\r") + program
                             + QStringLiteral("\rPlease check your compiler settings !"),
                         platform::vbExclamation | platform::vbOKOnly);
        return QString();
    }
    const QString shortPath = GetShortPath(program);
    if (shortPath.isEmpty())
        platform::MsgBox(QStringLiteral("Could not get compiler's short path"), platform::vbCritical | platform::vbOKOnly);
    return shortPath;
}

QStringList compilerArguments(BuildKind kind, const QString& FileName, const QString& executable) {
    switch (kind) {
    case BuildKind::Run:
    case BuildKind::Debug: {
        QStringList arguments{FileName};
        if (kind == BuildKind::Debug)
            arguments.prepend(QStringLiteral("-d"));
        return arguments + QProcess::splitCommand(gActiveProject->CommandLine);
    }
    case BuildKind::Check:
        return {QStringLiteral("-c"), FileName};
    case BuildKind::Exe:
        return {QStringLiteral("-o"), executable, FileName};
    }
    return {};
}

// A compiler that wants a console of its own runs in a terminal window;
// false when there is no terminal to run it in.
bool startInTerminal(const platform::ChildProcess& command) {
    const QString terminal = QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
    if (terminal.isEmpty())
        return false;
    platform::ChildProcess inTerminal = command;
    inTerminal.program = terminal;
    inTerminal.arguments = QStringList{QStringLiteral("-e"), command.program} + command.arguments;
    return platform::startDetached(inTerminal);
}

QString progressLabel(BuildKind kind) {
    switch (kind) {
    case BuildKind::Check:
        return QStringLiteral("Checking for errors...");
    case BuildKind::Exe:
        return QStringLiteral("Creating executable...");
    default:
        return QStringLiteral("Compiling program...");
    }
}

void build(BuildKind kind, QString FileName) {
    frmDoc& doc = *gActiveDoc;
    if (!prepareSource(kind, FileName))
        return;
    if (gOnCompileSave == 0 && !SaveAllFiles())
        return;

    QString executable;
    if (kind == BuildKind::Exe) {
        const std::optional<QString> chosen = platform::chooseSaveFile(
            QStringLiteral("Create Executable"), FileName.left(FileName.size() - 3) + QStringLiteral(".exe"),
            QStringLiteral("Executables (*.exe)"));
        if (!chosen || chosen->isEmpty())
            return;
        executable = *chosen;
    }
    const QString program = compilerProgram();
    if (program.isEmpty())
        return;
    platform::ChildProcess command = CompilerCommand(gActiveCompiler->Path, compilerArguments(kind, FileName, executable));
    command.program = program;

    if (kind != BuildKind::Exe)
        OutputWindow().Clear();
    if (isCompile(kind) && gActiveCompiler->RealConsole && startInTerminal(command))
        return;
    gCreatingExe = kind == BuildKind::Exe;
    if (gCreatingExe)
        gCreatingExePath = executable;
    ShowCompiling(progressLabel(kind));
    BuildRun::of(doc).begin(FileName, executable);
    // The compiler works in the source's folder, so the program finds its files there.
    const QString folder = QFileInfo(FileName).absolutePath();
    if (isCompile(kind))
        doc.ShellClass->Execute(command, program, folder);
    else
        doc.ShellClass->ExecuteNoCheck(command, folder);
}

// Runs a build command on the active document, reporting what goes wrong
// under the command's name.
void buildActive(BuildKind kind, const QString& FileName, const QString& procedure) {
    if (!gActiveDoc || !gActiveProject || gActiveDoc->ShellClass->Running())
        return;
    if (isCompile(kind))
        gLastCompiledFile = FileName;
    try {
        if (!gActiveCompiler)
            RaiseError(ErrObjectRequired, QStringLiteral("No active compiler"));
        build(kind, FileName);
    } catch (...) {
        SetErrorLog(procedure, QStringLiteral("Mod_Compiler"));
    }
}

}

void Compile(const QString& FileName, bool DebugMode) {
    buildActive(DebugMode ? BuildKind::Debug : BuildKind::Run, FileName, QStringLiteral("Compile"));
}

void CheckForErrors(const QString& FileName) {
    buildActive(BuildKind::Check, FileName, QStringLiteral("CheckForErrors"));
}

void CreateExe(const QString& FileName) {
    buildActive(BuildKind::Exe, FileName, QStringLiteral("CreateExe"));
}

bool SaveProjectSources() {
    if (!gActiveProject)
        return true;
    const QPointer<frmDoc> active = gActiveDoc;
    platform::RedrawLock lock;
    for (frmDoc* doc : gActiveProject->Sources.NewEnum()) {
        if (!doc->Dirty())
            continue;
        showDocument(*doc);
        SaveDocument(doc);
    }
    if (active)
        showDocument(*active);
    return true;
}
