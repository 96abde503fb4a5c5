#pragma once

#include <QList>
#include <QString>

// A compiler installation keeps its user libraries in userlibs/: NAME.decls
// is a library the compiler reads, NAME.decls.disabled (any letter case) one
// it skips. Whether a library is enabled is its file name and nothing else.
struct UserLibrary {
    QString text;      // the library's name as its file spells it
    QString fileName;  // the file's real name in the folder
    bool ticked = false;
};

// The installation's userlibs folder.
QString UserlibsFolder(const QString& compilerPath);

// The libraries of the folder, sorted by file name without regard to case;
// other files are not listed.
QList<UserLibrary> ListUserLibraries(const QString& folder);

// Renames the library's file so that it is enabled (text + ".decls") or
// disabled (its name + ".DISABLED"). A rename never replaces another file:
// when it is refused, nothing changes, failure says why and the result is
// false. A file that is gone takes the new name without a rename.
bool SwitchUserLibrary(const QString& folder, UserLibrary& library, bool ticked, QString& failure);

// A declaration file as text, one character a byte, and its line ends (CR LF
// unless the file has line ends and none of them is CR LF).
struct DeclarationText {
    QString text;
    bool crlf = true;
};
DeclarationText ReadDeclarationText(const QString& path);
// Writes with the given line ends through a temporary file; false when the
// file could not be written, which leaves the old file as it was.
bool WriteDeclarationText(const QString& path, const DeclarationText& text);
