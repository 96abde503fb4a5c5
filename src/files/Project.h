#pragma once

#include "editor/frmDoc.h"
#include "foundation/CollectionTools.h"
#include "language/model/CodeModel.h"

#include <QString>

#include <memory>

// One member file of a project. AbsPath and PrjFolder are held with "\" as
// project files write them ("\src\a.bb", "\gfx\sprites").
class clsFile {
public:
    QString Name;        // the part of AbsPath after its last "\"; key in ClsProject::Files
    long Line = 0;       // Line, Column, Tip and Visible only travel with the project file
    long Column = 0;
    long Tip = 0;
    bool Visible = false;
    QString PrjFolder;   // category path, "" at the top level
    QString AbsPath;     // relative to the project folder
    QString TreeParent;  // project FullPath & PrjFolder
};

// One category: a virtual folder of the project tree.
class clsFolder {
public:
    QString Name;
    bool Expanded = false;
    QString TreeParent;
    QString FullPath;  // project FullPath & AbsPath; key in ClsProject::Folders
    QString AbsPath;   // "\src\gfx"
};

using FilePtr = std::shared_ptr<clsFile>;
using FolderPtr = std::shared_ptr<clsFolder>;

// One open project, or the project of a file opened by itself or of an
// untitled document: its identity, members, open documents and the code
// model of all its files.
class ClsProject {
public:
    CodeModel Model;
    bool SingleFile = false;
    QString Compiler;     // as the project or the file spells it; key in gCompilers when installed
    QString CommandLine;  // given to the program when it runs
    bool Dirty = false;   // the project file needs saving
    QString Name;
    QString Path;         // the project folder, with a trailing "/"
    QString FullPath;     // key in gProjects; an untitled document's window ID begins with "{"
    CollectionTools<FilePtr> Files;  // sorted by upper-cased Name
    // Members the project file lists under a file name (in any letter case)
    // that an earlier member has: named when loading, not opened, and
    // written back as they were read, so that no save drops them.
    QList<FilePtr> UnheldFiles;
    // Whether the project file had these sections: one that stays empty is
    // written only where the file had it (a new project writes both).
    bool FoldersSection = true;
    bool FilesSection = true;
    QString MainFile;     // Name of the member that is compiled
    QString Icon;
    CollectionTools<FolderPtr> Folders;  // sorted by upper-cased FullPath
    bool Expanded = false;
    CollectionTools<frmDoc*> Sources;    // open documents, keyed by FullFilename
};

using ProjectPtr = std::shared_ptr<ClsProject>;

// Inserts a member at its place in name order (upper-cased, ordinal); a name
// already there in any letter case is refused (Files.LastError is set).
void DodajFileSorted(const FilePtr& file, ClsProject& project);
// The members as the project file lists them: Files, each of UnheldFiles
// after the members whose names sort before or with its own, in the order
// they were read.
QList<FilePtr> MembersInFileOrder(const ClsProject& project);
// Gives the member named oldName a new AbsPath ("\" separators, relative to
// the project folder) and the name its last part holds, at its place in name
// order; the main file follows it and the project is marked for saving. False
// when no member has that name.
bool RenameMember(ClsProject& project, const QString& oldName, const QString& newAbsPath);
// The same for a category, by FullPath.
void DodajFolderSorted(const FolderPtr& folder, ClsProject& project);
// FullPath, TreeParent and Name of a category from its AbsPath, which holds
// at least one "\" (raises otherwise).
void SetFolderPaths(clsFolder& folder, const ClsProject& project);

// The disk path of a member: the project's Path and the member's AbsPath,
// "\" turned into "/" and doubled separators collapsed. When that path does
// not exist, each level below the project folder that does not exist as
// written takes the one disk entry that matches it without regard to case.
QString MemberDiskPath(const ClsProject& project, const clsFile& file);
QString MemberDiskPath(const ClsProject& project, const QString& absPath);
// The path as the disk spells it: each level that does not exist as written
// takes the one entry of its folder that matches it but for letter case.
QString DiskLetterCase(const QString& path);
