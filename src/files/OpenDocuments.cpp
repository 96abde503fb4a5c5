#include "files/OpenDocuments.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "editor/WaitCursor.h"
#include "files/EditorParameters.h"
#include "files/FileParameters.h"
#include "files/Project.h"
#include "files/ProjectCompiler.h"
#include "files/ProjectLoading.h"
#include "files/RecentFilesProjects.h"
#include "files/Workspaces.h"
#include "editor/DocumentWindows.h"
#include "foundation/FileHelpers.h"
#include "foundation/ShellExecute.h"
#include "foundation/errors/ErrorLog.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/Host.h"
#include "platform/Prompt.h"
#include "platform/ShellOpen.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>
#include <QUuid>

#include <algorithm>

int gNewFileCounter = 0;

namespace {

const QString kOpenFilter = QStringLiteral(
    "All Supported Formats (*.bb *.kpf);;Korvo Project Files (*.kpf);;Blitz Basic File (*.bb);;All Files (*)");
QString gLastOpenFolder;

// The stamp is taken before reading, so that a change made while reading
// shows as a change at the next save.
bool loadText(frmDoc& doc, const QString& path) {
    QByteArray bytes;
    const platform::FileStamp stamp = platform::fileStampOf(path);
    if (!stamp.exists || !platform::readFileBytes(path, bytes))
        return false;
    SciLoadText(doc.SciEdi_WndData, bytes);
    // Every line break the editing commands add is of the file's own kind.
    SciDirect(doc.SciEdi_WndData, QsciScintillaBase::SCI_SETEOLMODE,
              LineEndOf(bytes) == "\n" ? QsciScintillaBase::SC_EOL_LF : QsciScintillaBase::SC_EOL_CRLF);
    doc.DiskStamp = stamp;
    return true;
}

// Shows the document in the window keyed by the path when asked to and
// there is one, else in a new window.
void showInWindow(frmDoc& doc, const QString& path, bool attachToExisting) {
    platform::Host& host = platform::host();
    if (attachToExisting && !host.documentWindowId(path).isEmpty()) {
        host.setDocumentWindowForm(path, &doc);
        doc.m_strDocumentWindowID = host.documentWindowId(path);
        host.activateDocumentWindow(path);
    } else {
        doc.m_strDocumentWindowID = host.addDocumentWindow(doc.Filename(), &doc, path);
    }
}

// The loaded text cannot be undone, counts as unchanged and shows from its
// top. The parse styled all of it, so Scintilla is told to ask again: the
// first paint then colours the visible names as every later one does.
// Loading left the caret at the top; moving it there again would lay out
// the first line in the fonts just set, which the first paint does anyway.
void settleLoadedText() {
    SciEmptyUndoBuffer();
    SciSetSavePoint();
    if (SciGetCurrentPos() != 0 || SciGetAnchor() != 0)
        SciGotoPos(0);
    SciStartStyling(std::min<sptr_t>(1, SciGetLength()), 255);
}

// A project of the document's own, named by key (its path, or its window's
// ID when untitled), among the open projects.
ProjectPtr addSingleFileProject(frmDoc& doc, const QString& key) {
    auto project = std::make_shared<ClsProject>();
    project->Name = key;
    project->FullPath = key;
    project->SingleFile = true;
    doc.FullFilename = key;
    doc.PrjName = key;
    doc.PrjFullPath = key;
    doc.SingleFile = true;
    project->Sources.Add(&doc, key);
    gProjects.Add(project, key);
    return project;
}

enum class OpenState { NotOpen, Handled, Reload };

// The visible document whose canonical path equals this one, exactly or in
// another letter case; its window's ID goes to id. A project member may be
// known by a link's path.
frmDoc* openDocument(const QString& path, Qt::CaseSensitivity cs, QString& id) {
    for (const QString& each : platform::host().documentWindowIds()) {
        frmDoc* doc = DocumentOfWindow(each);
        if (doc && platform::host().documentWindowVisible(each) && !IsUntitledKey(doc->FullFilename) &&
            CanonicalPath(doc->FullFilename).compare(path, cs) == 0) {
            id = each;
            return doc;
        }
    }
    return nullptr;
}

// Closes the document's window and unloads it, to be opened again; its
// project when it is a member of one.
ProjectPtr closeForReload(frmDoc* doc, const QString& id) {
    const ProjectPtr memberProject = doc->SingleFile ? ProjectPtr() : gProjects.Item(doc->PrjFullPath);
    platform::host().closeDocumentWindow(id);
    UnloadDocument(doc);
    return memberProject;
}

// What an open document of the same path means for opening it again. A
// project member to reload is left in memberProject.
OpenState checkAlreadyOpen(const QString& path, ProjectPtr& memberProject) {
    QString id;
    frmDoc* doc = openDocument(path, Qt::CaseSensitive, id);
    if (!doc) {
        if (const frmDoc* other = openDocument(path, Qt::CaseInsensitive, id)) {
            platform::MsgBox(QStringLiteral("File ") + path + QStringLiteral(" cannot be opened while ") +
                                 other->FullFilename + QStringLiteral(" is open."),
                             platform::vbExclamation);
            return OpenState::Handled;
        }
        return OpenState::NotOpen;
    }
    if (!doc->Dirty()) {
        platform::host().activateDocumentWindow(id);
        return OpenState::Handled;
    }
    const int answer = platform::MsgBox(
        QStringLiteral("File ") + doc->Filename() + QStringLiteral(" is already open and has changed.\r\n") +
            QStringLiteral("Do you want to reload this file and lose any changes ?"),
        platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2, QStringLiteral("Warning"));
    if (answer != platform::vbYes)
        return OpenState::Handled;
    memberProject = closeForReload(doc, id);
    return OpenState::Reload;
}

// A missing file is named alone; any other failure says why it could not be read.
void reportUnreadable(const QString& path) {
    const QString what = PathExists(path) ? platform::fileReadFailure(path) : path;
    platform::MsgBox(QStringLiteral("Could not load file:\r\n") + what, platform::vbCritical,
                     QStringLiteral("File Could Not Be Loaded!"));
}

// Sends project, workspace and other files where they go; true when the
// path was such a file. A file the desktop might run as a program opens here
// as text: Korvo never starts what it was asked to open.
bool dispatchByExtension(const QString& path, const QString& requested) {
    if (path.size() <= 3)
        return false;
    // A link named for Korvo opens as what it is named, so that a target
    // that is no regular file gets the reader's message.
    QString extension = GetExtension(requested);
    const bool korvoFile = extension == QLatin1String(".KPF") || extension == QLatin1String(".KWS") || extension == QLatin1String(".BB");
    if (!korvoFile)
        extension = GetExtension(path);
    if (korvoFile && PathExists(path) && !QFileInfo(path).isFile()) {
        reportUnreadable(path);
        return true;
    }
    if (extension == QLatin1String(".KPF")) {
        LoadProject(path);
        return true;
    }
    if (extension == QLatin1String(".KWS")) {
        LoadWorkSpace(path);
        return true;
    }
    if (extension == QLatin1String(".BB") || platform::desktopCouldStart(path))
        return false;
    if (PathExists(path))
        GShell(path, 10);
    else
        platform::MsgBox(QStringLiteral("File: ") + path + QStringLiteral(" does not exists !"), platform::vbExclamation);
    return true;
}

bool openSingleFile(const QString& path, bool attachToExisting, bool snippet) {
    auto* doc = new frmDoc;
    {
        WaitCursorScope hourglass;
        if (!loadText(*doc, path)) {
            delete doc;
            reportUnreadable(path);
            return false;
        }
    }
    AddRecentFile(path);

    doc->IsSnippet = snippet;
    const ProjectPtr project = addSingleFileProject(*doc, path);

    ActivateDocument(doc);
    doc->Initialise(GetFileName(path));
    {
        WaitCursorScope waiting;
        project->Compiler = CheckFileCompilerUsed();
        ActivateCompiler(project->Compiler);
        ParseFile();
        CheckFileParameters();
        doc->SubClass();
        showInWindow(*doc, path, attachToExisting);
    }
    settleLoadedText();
    SciGrabFocus();
    return true;
}

}

frmDoc* DocumentOfWindow(const QString& keyOrId) {
    return qobject_cast<frmDoc*>(platform::host().documentWindow(keyOrId));
}

bool OpenFile(const QString& requested, bool attachToExisting, bool snippet) {
    if (requested.isEmpty()) {
        const QStringList chosen = platform::chooseOpenFiles(QStringLiteral("Open File"), gLastOpenFolder, kOpenFilter);
        for (const QString& one : chosen)
            OpenFile(one, false, false);
        if (!chosen.isEmpty())
            gLastOpenFolder = GetFolderOfPath(chosen.last(), true);
        return false;
    }
    try {
        const QString path = CanonicalPath(requested);
        if (dispatchByExtension(path, requested))
            return false;
        ProjectPtr memberProject;
        switch (checkAlreadyOpen(path, memberProject)) {
        case OpenState::Handled: return false;
        case OpenState::Reload:
            if (memberProject)
                return OpenProjectsFile(*memberProject, path, false);
            break;
        case OpenState::NotOpen: break;
        }
        return openSingleFile(path, attachToExisting, snippet);
    } catch (...) {
        SetErrorLog(QStringLiteral("OpenFile"), QStringLiteral("Mod_File"));
        return false;
    }
}

void ReloadDocument(frmDoc* doc) {
    QString id;
    if (!doc || openDocument(CanonicalPath(doc->FullFilename), Qt::CaseSensitive, id) != doc)
        return;
    const QString path = doc->FullFilename;
    const bool snippet = doc->IsSnippet;
    try {
        if (const ProjectPtr memberProject = closeForReload(doc, id))
            OpenProjectsFile(*memberProject, path, false);
        else
            openSingleFile(path, false, snippet);
    } catch (...) {
        SetErrorLog(QStringLiteral("ReloadDocument"), QStringLiteral("Mod_File"));
    }
}

bool OpenProjectsFile(ClsProject& project, const QString& path, bool attachToExisting) {
    auto* doc = new frmDoc;
    try {
        WaitCursorScope hourglass;
        if (!loadText(*doc, path)) {
            delete doc;
            return false;
        }
        doc->PrjName = project.Name;
        doc->PrjFullPath = project.FullPath;
        doc->SingleFile = false;
        doc->FullFilename = path;
        doc->CompilerUsed = project.Compiler;
        project.Sources.Add(doc, path);
        project.SingleFile = false;
        ActivateDocument(doc);
        doc->Initialise(GetFileName(path));
        // Parsed under its project's keywords, whichever project was active before.
        ActivateCompiler(project.Compiler);
        ParseFile();
        CheckFileParameters();
        doc->SubClass();
        showInWindow(*doc, path, attachToExisting);
        settleLoadedText();
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("OpenProjectsFile"), QStringLiteral("Mod_File"));
        return false;
    }
}

bool OpenProjectsFile(const QString& path, bool attachToExisting) {
    if (!gActiveProject)
        return false;
    const ProjectPtr project = gActiveProject;
    return OpenProjectsFile(*project, path, attachToExisting);
}

void NewFile() {
    try {
        auto* doc = new frmDoc;
        doc->SubClass();
        QString name = gDefNewName;
        if (gEnumerateNewFiles != 0)
            name += QLatin1Char(' ') + QString::number(++gNewFileCounter);
        // Registered under its key before its window exists, so that the
        // window's activation finds its project.
        const QString key = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
        doc->NewFile = true;
        addSingleFileProject(*doc, key);
        doc->m_strDocumentWindowID = platform::host().addDocumentWindow(name, doc, key);
        ScopedCurrentView current(*doc);
        doc->Initialise(name);
        settleLoadedText();
        SciGrabFocus();
    } catch (...) {
        SetErrorLog(QStringLiteral("NewFile"), QStringLiteral("Mod_File"));
    }
}

void UnloadDocument(frmDoc* doc) {
    if (!doc)
        return;
    const ProjectPtr project = gProjects.Item(doc->PrjFullPath);
    if (project) {
        project->Sources.RemoveKey(doc->FullFilename);
        // What the document declared goes with it, also from a project that stays open.
        ForgetDeclarationsOf(project->Model, doc->SciEdi_WndData);
        if (doc->SingleFile)
            gProjects.RemoveKey(doc->PrjFullPath);
    }
    if (doc == gActiveDoc || (project && project == gActiveProject && doc->SingleFile))
        ActivateDocument(nullptr);
    delete doc;
    platform::refillCodeExplorer();
}
