#include "files/Project.h"

#include "editor/ActiveDocument.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

CodeModel* ActiveCodeModel() {
    return gActiveProject ? &gActiveProject->Model : nullptr;
}

namespace {

// Adds before the first member whose upper-cased sort text follows the
// new one's, else at the end.
template <typename T, typename SortText>
void insertSorted(CollectionTools<std::shared_ptr<T>>& members, const std::shared_ptr<T>& record, const QString& key,
                  SortText sortText) {
    const QString mine = sortText(*record).toUpper();
    const QList<std::shared_ptr<T>> all = members.NewEnum();
    for (int i = 0; i < all.size(); ++i)
        if (QString::compare(sortText(*all[i]).toUpper(), mine, Qt::CaseSensitive) > 0) {
            members.Add(record, key, CollectionIndex(i + 1));
            return;
        }
    members.Add(record, key);
}

}

void DodajFileSorted(const FilePtr& file, ClsProject& project) {
    try {
        insertSorted(project.Files, file, file->Name, [](const clsFile& f) { return f.Name; });
    } catch (...) {
        SetErrorLog(QStringLiteral("DodajFileSorted"), QStringLiteral("Mod_File"));
    }
}

void DodajFolderSorted(const FolderPtr& folder, ClsProject& project) {
    try {
        insertSorted(project.Folders, folder, folder->FullPath, [](const clsFolder& f) { return f.FullPath; });
    } catch (...) {
        SetErrorLog(QStringLiteral("DodajFolderSorted"), QStringLiteral("Mod_File"));
    }
}

void SetFolderPaths(clsFolder& folder, const ClsProject& project) {
    const qsizetype last = folder.AbsPath.lastIndexOf(QLatin1Char('\\'));
    if (last < 0)
        RaiseError(ErrInvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    folder.FullPath = project.FullPath + folder.AbsPath;
    folder.TreeParent = project.FullPath + folder.AbsPath.left(last);
    folder.Name = folder.AbsPath.mid(last + 1);
}

QString MemberDiskPath(const ClsProject& project, const QString& absPath) {
    QString joined = project.Path + absPath;
    joined.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return FixDoubleBackslash(joined);
}

QString MemberDiskPath(const ClsProject& project, const clsFile& file) {
    return MemberDiskPath(project, file.AbsPath);
}
