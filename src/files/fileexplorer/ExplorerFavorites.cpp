// The file explorer's favourite files and folders.
#include "files/fileexplorer/frmExplorer.h"

#include "files/fileexplorer/ExplorerIcons.h"
#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/ExplorerOpen.h"
#include "files/fileexplorer/FolderList.h"
#include "files/fileexplorer/FolderListing.h"
#include "foundation/FileHelpers.h"
#include "foundation/FolderIcons.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QFileInfo>

namespace {

const QString kModule = QStringLiteral("frmExplorer");
// The image of a folder favourite: 1 an ordinary one, 2 the current folder.
constexpr int kFolderImageRole = Qt::UserRole + 2;

void setFolderImage(QTreeWidgetItem* row, int image) {
    row->setData(0, kFolderImageRole, image);
    row->setIcon(0, image == 2 ? OpenFolderIcon() : ClosedFolderIcon());
}

bool askToRemove(const QString& firstLine) {
    return platform::MsgBox(firstLine + QStringLiteral("\r\n Do you want to remove it from the list ?"),
                            platform::vbYesNo | platform::vbCritical) == platform::vbYes;
}

}

void frmExplorer::cmdAddToFilesFav_Click() {
    for (QTreeWidgetItem* row : lvFiles->selectedRows())
        FileFavorites.Add(CanonicalPath(currentFolder_ + row->text(0)));
    lvFiles->setFocus();
}

void frmExplorer::cmdRemoveFilesFav_Click() {
    for (QTreeWidgetItem* row : lvFilesFavorites->selectedRows())
        FileFavorites.Remove(row->text(1) + row->text(0));
    RefreshFilesFavorites();
    lvFilesFavorites->setFocus();
}

void frmExplorer::cmdAddToFoldersFav_Click() {
    DirsFavorites.Add(FixDoubleBackslash(WithTrailingSeparator(Dir1->HighlightedPath())));
    RefreshDirsFavorites();
    Dir1->setFocus();
}

void frmExplorer::cmdRemoveFoldersFav_Click() {
    for (QTreeWidgetItem* row : lvDirsFavorites->selectedRows())
        DirsFavorites.Remove(row->text(1));
    RefreshDirsFavorites();
    lvDirsFavorites->setFocus();
}

void frmExplorer::RefreshFilesFavorites() {
    try {
        lvFilesFavorites->clear();
        QStringList folders;
        for (int i = 1; i <= FileFavorites.Count(); ++i) {
            const QString entry = FileFavorites.IndexItem(i);
            const QString name = GetFileName(entry);
            const QString folder = entry.left(entry.size() - name.size());
            lvFilesFavorites->addRow({name, folder});
            folders.append(folder);
        }
        for (int i = 0; i < lvFilesFavorites->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = lvFilesFavorites->topLevelItem(i);
            row->setIcon(0, imlFileIcons16.Icon(FileIconIndex(row->text(1), row->text(0), imlFileIcons16)));
        }
        fitSecondColumn(lvFilesFavorites, folders);
    } catch (...) {
        SetErrorLog(QStringLiteral("RefreshFilesFavorites"), kModule);
    }
}

void frmExplorer::RefreshDirsFavorites() {
    try {
        lvDirsFavorites->clear();
        QStringList entries;
        for (int i = 1; i <= DirsFavorites.Count(); ++i) {
            const QString entry = DirsFavorites.IndexItem(i);
            QString name = GetFileName(entry.chopped(qMin<qsizetype>(1, entry.size())));
            if (name.isEmpty())
                name = entry;
            QTreeWidgetItem* row = lvDirsFavorites->addRow({name, entry});
            setFolderImage(row, entry == currentFolder_ ? 2 : 1);
            entries.append(entry);
        }
        fitSecondColumn(lvDirsFavorites, entries);
    } catch (...) {
        SetErrorLog(QStringLiteral("RefreshDirsFavorites"), kModule);
    }
}

void frmExplorer::RefreshDirsFavoritesIcons() {
    for (int i = 0; i < lvDirsFavorites->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lvDirsFavorites->topLevelItem(i);
        setFolderImage(row, row->text(1).compare(currentFolder_, Qt::CaseInsensitive) == 0 ? 2 : 1);
    }
}

void frmExplorer::fitSecondColumn(ExplorerListView* list, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts)
        widest = qMax(widest, list->fontMetrics().horizontalAdvance(text));
    list->setColumnWidthTwips(1, widest * twips::perPixelX(list) + 250);
}

void frmExplorer::lvDirsFavorites_DblClick() {
    QTreeWidgetItem* row = lvDirsFavorites->currentItem();
    if (!row || !row->isSelected())
        return;
    try {
        Dir1->setPath(row->text(1));
        RefreshDirsFavoritesIcons();
    } catch (const KorvoError& error) {
        if (error.number != 76) {
            SetErrorLog(QStringLiteral("lvDirsFavorites_DblClick"), kModule);
            return;
        }
        if (askToRemove(QStringLiteral("This Path doesn't exists !"))) {
            DirsFavorites.Remove(row->text(1));
            delete row;
        }
    }
}

void frmExplorer::openSelectedFileFavorites() {
    try {
        for (QTreeWidgetItem* row : lvFilesFavorites->selectedRows()) {
            const QString path = row->text(1) + row->text(0);
            if (QFileInfo(path).isFile()) {
                OpenExplorerFile(path);
            } else if (askToRemove(QStringLiteral("This file doesn't exists on this location!"))) {
                FileFavorites.Remove(path);
                delete row;
            }
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("lvFilesFavorites_DblClick"), kModule);
    }
}
