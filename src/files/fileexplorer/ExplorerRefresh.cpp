// The file explorer's tab switching, folder check and refresh checks.
#include "files/fileexplorer/frmExplorer.h"

#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/FolderList.h"
#include "files/fileexplorer/FolderListing.h"
#include "foundation/FileHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTimer>

namespace {

void enableShownPage(QTabWidget* tabs) {
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setEnabled(i == tabs->currentIndex());
}

}

void frmExplorer::SSTabDirs_Click() {
    if (SSTabDirs->currentIndex() == 1) {
        RefreshDirsFavorites();
        lvDirsFavorites->clearSelection();
    }
    enableShownPage(SSTabDirs);
}

void frmExplorer::SSTabFiles_Click() {
    if (SSTabFiles->currentIndex() == 1)
        RefreshFilesFavorites();
    enableShownPage(SSTabFiles);
}

void frmExplorer::CheckFolderList() {
    try {
        const QString folder = Dir1->Path();
        if (QFileInfo(folder).isDir()) {
            const int count = CountSubfolders(folder);
            if (count != LastFolderCount) {
                Dir1->Refresh();
                LastFolderCount = count;
            }
            return;
        }
        // The folder has gone: its parent, else the root of the volume that
        // held it, else "/".
        const QString parent = QFileInfo(folder).path();
        QString existing = parent;
        while (!QFileInfo(existing).isDir() && existing != QFileInfo(existing).path())
            existing = QFileInfo(existing).path();
        const QString root = QStorageInfo(existing).rootPath();
        if (QFileInfo(parent).isDir())
            Dir1->setPath(parent);
        else if (!root.isEmpty() && QFileInfo(root).isDir())
            Dir1->setPath(root);
        else
            Dir1->setPath(QDir::rootPath());
    } catch (...) {
    }
}

bool frmExplorer::FilesChanged(const QString& folder, const QStringList& paths) {
    if (CountFiles(folder) != LastFileCount)
        return true;
    for (const QString& path : paths)
        if (!PathExists(path))
            return true;
    return false;
}

void frmExplorer::Timer_Timer() {
    const QString folder = Dir1->Path();
    const int folders = CountSubfolders(folder);
    if (folders != LastFolderCount) {
        Dir1->Refresh();
        LastFolderCount = folders;
    }
    if (CountFiles(folder) != LastFileCount)
        PopulateListView();
    if (Timer->interval() < 3000)
        Timer->setInterval(Timer->interval() + 500);
    else
        Timer->stop();
}
