#include "files/Project.h"

#include "editor/ActiveDocument.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

CodeModel* ActiveCodeModel() {
    return gActiveProject ? &gActiveProject->Model : nullptr;
}

namespace {

// Orders as an ordinal comparison of the upper-cased texts does, without
// upper-casing the ASCII part they begin with.
int compareUpperCased(const QString& a, const QString& b) {
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return QString::compare(a.mid(i).toUpper(), b.mid(i).toUpper(), Qt::CaseSensitive);
        const char16_t upperX = (x >= u'a' && x <= u'z') ? char16_t(x - 32) : x;
        const char16_t upperY = (y >= u'a' && y <= u'z') ? char16_t(y - 32) : y;
        if (upperX != upperY)
            return upperX < upperY ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Adds before the first member whose upper-cased sort text follows the
// new one's, else at the end; the members are in that order already.
template <typename T, typename SortText>
void insertSorted(CollectionTools<std::shared_ptr<T>>& members, const std::shared_ptr<T>& record, const QString& key,
                  SortText sortText) {
    const QString& mine = sortText(*record);
    members.AddInOrder(record, key, [&](const std::shared_ptr<T>& member) {
        return compareUpperCased(sortText(*member), mine) > 0;
    });
}

}

void DodajFileSorted(const FilePtr& file, ClsProject& project) {
    try {
        insertSorted(project.Files, file, file->Name, [](const clsFile& f) -> const QString& { return f.Name; });
    } catch (...) {
        SetErrorLog(QStringLiteral("DodajFileSorted"), QStringLiteral("Mod_File"));
    }
}

QList<FilePtr> MembersInFileOrder(const ClsProject& project) {
    QList<FilePtr> unheld = project.UnheldFiles;
    std::stable_sort(unheld.begin(), unheld.end(),
                     [](const FilePtr& a, const FilePtr& b) { return compareUpperCased(a->Name, b->Name) < 0; });
    QList<FilePtr> members;
    auto next = unheld.cbegin();
    for (const FilePtr& member : project.Files.NewEnum()) {
        for (; next != unheld.cend() && compareUpperCased((*next)->Name, member->Name) < 0; ++next)
            members.append(*next);
        members.append(member);
    }
    for (; next != unheld.cend(); ++next)
        members.append(*next);
    return members;
}

bool RenameMember(ClsProject& project, const QString& oldName, const QString& newAbsPath) {
    const FilePtr member = project.Files.Item(oldName);
    if (!member)
        return false;
    project.Files.RemoveKey(oldName);
    member->AbsPath = newAbsPath;
    member->Name = newAbsPath.mid(newAbsPath.lastIndexOf(QLatin1Char('\\')) + 1);
    DodajFileSorted(member, project);
    if (project.MainFile.compare(oldName, Qt::CaseInsensitive) == 0)
        project.MainFile = member->Name;
    project.Dirty = true;
    return true;
}

void DodajFolderSorted(const FolderPtr& folder, ClsProject& project) {
    try {
        insertSorted(project.Folders, folder, folder->FullPath, [](const clsFolder& f) -> const QString& { return f.FullPath; });
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

namespace {

// The one entry of the folder whose name matches without regard to case;
// the name as given when none or several do.
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QStringList all = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    QString found;
    for (const QString& entry : all)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            if (!found.isEmpty())
                return name;
            found = entry;
        }
    return found.isEmpty() ? name : found;
}

// Files written on Windows may spell a member's path in another letter case
// than the disk does: each level that does not exist as written takes the
// one entry that matches it.
QString resolveLetterCase(const QString& folder, const QString& relative) {
    QString path = folder;
    for (const QString& level : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += QFileInfo::exists(path + level) ? level : entryIgnoringCase(path, level);
    }
    return path;
}

}

QString MemberDiskPath(const ClsProject& project, const QString& absPath) {
    QString joined = project.Path + absPath;
    joined.replace(QLatin1Char('\\'), QLatin1Char('/'));
    joined = QDir::cleanPath(FixDoubleBackslash(joined));
    if (QFileInfo::exists(joined) || project.Path.isEmpty() || !joined.startsWith(project.Path))
        return joined;
    return resolveLetterCase(project.Path, joined.mid(project.Path.size()));
}

QString DiskLetterCase(const QString& path) {
    if (QFileInfo::exists(path) || !QDir::isAbsolutePath(path))
        return path;
    return resolveLetterCase(QStringLiteral("/"), path);
}

QString MemberDiskPath(const ClsProject& project, const clsFile& file) {
    return MemberDiskPath(project, file.AbsPath);
}
