#include "files/ProjectFile.h"

#include "files/Attributes.h"
#include "files/Project.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/WriteFailure.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QFileInfo>

#include <optional>

namespace {

const QString kHeader = QStringLiteral("[Korvo Project file]");

// A relative path as project files keep it: "/" written on this system reads as "\".
QString storedPath(const QString& line, const QString& key) {
    QString path = GetAttribute(line, key);
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

bool readSettings(const QStringList& section, ClsProject& project) {
    const QString text = section.join(QString());
    const std::optional<bool> expanded = ReadBoolean(GetAttribute(text, QStringLiteral("Expanded")));
    if (!expanded)
        return false;
    project.Expanded = *expanded;
    project.MainFile = GetAttribute(text, QStringLiteral("MainFile"));
    project.Compiler = GetAttribute(text, QStringLiteral("Compiler"));
    project.CommandLine = GetAttribute(text, QStringLiteral("CommandLine"));
    project.Icon = GetAttribute(text, QStringLiteral("Icon"));
    return true;
}

bool readFolders(const QStringList& section, ClsProject& project) {
    for (const QString& line : section) {
        auto folder = std::make_shared<clsFolder>();
        folder->AbsPath = storedPath(line, QStringLiteral("AbsPath"));
        const std::optional<bool> expanded = ReadBoolean(GetAttribute(line, QStringLiteral("Expanded")));
        if (!expanded || !folder->AbsPath.contains(QLatin1Char('\\')))
            return false;
        folder->Expanded = *expanded;
        SetFolderPaths(*folder, project);
        DodajFolderSorted(folder, project);
    }
    return true;
}

// At most this many paths are listed in one message; the rest are counted.
constexpr qsizetype kListedPaths = 10;

QString listedPaths(const QStringList& paths) {
    QString text = paths.mid(0, kListedPaths).join(QStringLiteral("\r\n"));
    if (paths.size() > kListedPaths)
        text += QStringLiteral("\r\n... and %1 more").arg(paths.size() - kListedPaths);
    return text;
}

// One message however many members are missing.
void announceMissingMembers(const QStringList& diskPaths) {
    if (diskPaths.isEmpty())
        return;
    if (diskPaths.size() == 1)
        platform::MsgBox(QStringLiteral(" File ") + diskPaths.first() +
                             QStringLiteral(" that is part of this project is missing \r\n") +
                             QStringLiteral(" This file will be removed from this project"),
                         platform::vbExclamation, QStringLiteral("File not found"));
    else
        platform::MsgBox(QString::number(diskPaths.size()) +
                             QStringLiteral(" files that are part of this project are missing:\r\n") +
                             listedPaths(diskPaths) + QStringLiteral("\r\nThese files will be removed from this project"),
                         platform::vbExclamation, QStringLiteral("Files not found"));
}

void announceUnheldMembers(const QList<FilePtr>& unheld, const ClsProject& project) {
    if (unheld.isEmpty())
        return;
    QStringList paths;
    for (const FilePtr& file : unheld)
        paths.append(MemberDiskPath(project, *file));
    platform::MsgBox(QStringLiteral("These files of the project have the same name as another of its files and are not "
                                    "opened; the project file keeps them:\r\n") +
                         listedPaths(paths),
                     platform::vbExclamation, QStringLiteral("Files with the same name"));
}

bool readFiles(const QStringList& section, ClsProject& project) {
    QStringList missing;
    for (const QString& line : section) {
        auto file = std::make_shared<clsFile>();
        file->AbsPath = storedPath(line, QStringLiteral("AbsPath"));
        file->PrjFolder = storedPath(line, QStringLiteral("PrjFolder"));
        const std::optional<long> row = ReadNumber(GetAttribute(line, QStringLiteral("Line")));
        const std::optional<long> column = ReadNumber(GetAttribute(line, QStringLiteral("Column")));
        const std::optional<long> tip = ReadNumber(GetAttribute(line, QStringLiteral("Tip")));
        const std::optional<bool> visible = ReadBoolean(GetAttribute(line, QStringLiteral("Visible")));
        if (!row || !column || !tip || !visible)
            return false;
        file->Line = *row;
        file->Column = *column;
        file->Tip = *tip;
        file->Visible = *visible;
        file->TreeParent = project.FullPath + file->PrjFolder;
        file->Name = file->AbsPath.mid(file->AbsPath.lastIndexOf(QLatin1Char('\\')) + 1);
        const QString diskPath = MemberDiskPath(project, *file);
        if (!PathExists(diskPath))
            missing.append(diskPath);
        else if (project.Files.Exist_Key(file->Name))
            project.UnheldFiles.append(file);
        else
            DodajFileSorted(file, project);
    }
    announceMissingMembers(missing);
    announceUnheldMembers(project.UnheldFiles, project);
    return true;
}

bool readSections(const QStringList& lines, ClsProject& project) {
    if (lines.isEmpty() || lines.first() != kHeader)
        return false;
    project.FoldersSection = false;
    project.FilesSection = false;
    for (qsizetype at = 1; at < lines.size(); ++at) {
        const QString line = lines[at];
        using Reader = bool (*)(const QStringList&, ClsProject&);
        Reader reader = nullptr;
        if (line == QLatin1String("<Settings>")) {
            reader = readSettings;
        } else if (line == QLatin1String("<Folders>")) {
            reader = readFolders;
            project.FoldersSection = true;
        } else if (line == QLatin1String("<Files>")) {
            reader = readFiles;
            project.FilesSection = true;
        } else {
            continue;
        }
        const std::optional<QStringList> section = SectionLines(lines, at);
        if (!section || !reader(*section, project))
            return false;
    }
    return true;
}

}

void SetProjectFilePath(ClsProject& project, const QString& given) {
    const QString path = CanonicalPath(given);
    const QString fileName = GetFileName(path);
    project.FullPath = path;
    project.Path = GetFolderOfPath(path, true);
    project.Name = fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

QStringList ProjectFileLines(const ClsProject& project) {
    QStringList lines{kHeader,
                      QStringLiteral("<Settings>"),
                      FormatAttribute(QStringLiteral("Version"), 1L),
                      FormatAttribute(QStringLiteral("Expanded"), project.Expanded),
                      FormatAttribute(QStringLiteral("Icon"), project.Icon),
                      FormatAttribute(QStringLiteral("MainFile"), project.MainFile),
                      FormatAttribute(QStringLiteral("Compiler"), project.Compiler),
                      FormatAttribute(QStringLiteral("CommandLine"), project.CommandLine),
                      QStringLiteral("</Settings>")};
    const QList<FolderPtr> folders = project.Folders.NewEnum();
    if (!folders.isEmpty() || project.FoldersSection) {
        lines.append(QStringLiteral("<Folders>"));
        for (const FolderPtr& folder : folders)
            lines.append(FormatAttribute(QStringLiteral("AbsPath"), folder->AbsPath) +
                         FormatAttribute(QStringLiteral("Expanded"), folder->Expanded));
        lines.append(QStringLiteral("</Folders>"));
    }
    const QList<FilePtr> members = MembersInFileOrder(project);
    if (!members.isEmpty() || project.FilesSection) {
        lines.append(QStringLiteral("<Files>"));
        for (const FilePtr& file : members)
            lines.append(FormatAttribute(QStringLiteral("AbsPath"), file->AbsPath) +
                         FormatAttribute(QStringLiteral("PrjFolder"), file->PrjFolder) +
                         FormatAttribute(QStringLiteral("Line"), file->Line) +
                         FormatAttribute(QStringLiteral("Column"), file->Column) +
                         FormatAttribute(QStringLiteral("Tip"), file->Tip) +
                         FormatAttribute(QStringLiteral("Visible"), file->Visible));
        lines.append(QStringLiteral("</Files>"));
    }
    return lines;
}

bool SaveProject(ClsProject& project) {
    try {
        if (!platform::writeFileBytesAtomically(project.FullPath, EncodeAttributeLines(ProjectFileLines(project)))) {
            ReportWriteFailure(project.FullPath, QStringLiteral("SaveProject"), QStringLiteral("Mod_File"));
            return false;
        }
        project.Dirty = false;
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("SaveProject"), QStringLiteral("Mod_File"));
        return false;
    }
}

bool BuildProjectFromFile(const QString& path, ClsProject& project) {
    try {
        SetProjectFilePath(project, path);
        QByteArray bytes;
        if (!platform::readFileBytes(path, bytes))
            RaiseError(QFileInfo::exists(path) ? ErrPathFileAccess : ErrFileNotFound, platform::fileReadFailure(path));
        return readSections(DecodeAttributeLines(bytes), project);
    } catch (...) {
        SetErrorLog(QStringLiteral("BuildProjectFromFile"), QStringLiteral("Mod_File"));
        return false;
    }
}
