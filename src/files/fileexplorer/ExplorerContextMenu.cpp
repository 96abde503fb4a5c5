// The context menu of the file explorer's four lists: the favourites item,
// then Korvo's own file commands.
#include "files/fileexplorer/frmExplorer.h"

#include "files/fileexplorer/ExplorerFileActions.h"
#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/ExplorerOpen.h"
#include "files/fileexplorer/FolderList.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace {

enum MenuId {
    AddFileFavorite = 200,
    RemoveFileFavorite = 201,
    AddFolderFavorite = 202,
    RemoveFolderFavorite = 203,
    OpenItems = 1,
    OpenWithDefault,
    OpenFolder,
    CopyPath,
    Rename,
    Trash,
    Properties,
};

struct MenuEntry {
    int id;
    QString caption;
};

QList<MenuEntry> menuEntries(int extraId, const QString& extraCaption) {
    return {{extraId, extraCaption},
            {OpenItems, QStringLiteral("Open")},
            {OpenWithDefault, QStringLiteral("Open With Default Application")},
            {OpenFolder, QStringLiteral("Open Containing Folder")},
            {CopyPath, QStringLiteral("Copy Path")},
            {Rename, QStringLiteral("Rename...")},
            {Trash, QStringLiteral("Move to Trash")},
            {Properties, QStringLiteral("Properties")}};
}

// The chosen id, 0 when the menu was dismissed. Scripted answers give the
// index of the chosen entry.
int chooseFromMenu(QWidget* owner, const QList<MenuEntry>& entries, const QStringList& paths, const QPoint& at) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = QStringLiteral("Context menu");
    request.detail = paths.join(QLatin1Char('\n'));
    for (const MenuEntry& entry : entries)
        request.choices.append(entry.caption);
    const platform::PromptAnswer answer = platform::ask(request);
    if (answer.button != -1)
        return answer.accepted && answer.button >= 0 && answer.button < entries.size() ? entries[answer.button].id : 0;
    QMenu menu(owner);
    for (const MenuEntry& entry : entries) {
        QAction* action = menu.addAction(entry.caption);
        action->setData(entry.id);
        action->setEnabled(entry.id != Rename || paths.size() == 1);
    }
    const QAction* chosen = menu.exec(at);
    return chosen ? chosen->data().toInt() : 0;
}

// The focused row, selected alone.
QTreeWidgetItem* selectFocusedRowOnly(ExplorerListView* list) {
    QTreeWidgetItem* focused = list->currentItem();
    list->clearSelection();
    if (focused)
        focused->setSelected(true);
    return focused;
}

}

void frmExplorer::ShellContextMenu(QWidget* list, const QPoint& viewportPoint, Qt::KeyboardModifiers shift) {
    try {
        QStringList paths;
        int extraId = 0;
        QString extraCaption = QStringLiteral("&Add to Favorites");
        if (list == Dir1) {
            if (!(shift & Qt::ControlModifier)) {
                if (Dir1->PathAt(viewportPoint).isEmpty())
                    return;
                Dir1->HighlightAt(viewportPoint);
            }
            paths = {Dir1->HighlightedPath()};
            extraId = AddFolderFavorite;
        } else if (list == lvFiles) {
            QTreeWidgetItem* focused = lvFiles->currentItem();
            const QList<QTreeWidgetItem*> selected = lvFiles->selectedRows();
            if (selected.isEmpty())
                return;
            if (!focused || !focused->isSelected())
                focused = selected.first();
            paths.append(currentFolder_ + focused->text(0));
            for (const QTreeWidgetItem* row : selected)
                if (row != focused)
                    paths.append(currentFolder_ + row->text(0));
            extraId = AddFileFavorite;
        } else {
            auto* favorites = static_cast<ExplorerListView*>(list);
            const QTreeWidgetItem* row = selectFocusedRowOnly(favorites);
            if (!row)
                return;
            const bool files = favorites == lvFilesFavorites;
            paths = {files ? row->text(1) + row->text(0) : row->text(1)};
            extraId = files ? RemoveFileFavorite : RemoveFolderFavorite;
            extraCaption = QStringLiteral("Remove from Favorites");
        }
        if (paths.first().isEmpty() || !PathExists(paths.first()))
            return;
        const QWidget* viewport = static_cast<QAbstractScrollArea*>(list)->viewport();
        const int chosen = chooseFromMenu(this, menuEntries(extraId, extraCaption), paths, viewport->mapToGlobal(viewportPoint));
        if (chosen == 0)
            return;
        runMenuCommand(chosen, paths);
        if (list == Dir1)
            CheckFolderList();
        else if (FilesChanged(Dir1->Path(), paths))
            PopulateListView();
        Timer->setInterval(500);
        Timer->start();
    } catch (...) {
        SetErrorLog(QStringLiteral("ShellContextMenu"), QStringLiteral("frmExplorer"));
    }
}

void frmExplorer::runMenuCommand(int id, const QStringList& paths) {
    switch (id) {
    case AddFileFavorite:
        cmdAddToFilesFav_Click();
        break;
    case RemoveFileFavorite:
        cmdRemoveFilesFav_Click();
        break;
    case AddFolderFavorite:
        cmdAddToFoldersFav_Click();
        break;
    case RemoveFolderFavorite:
        cmdRemoveFoldersFav_Click();
        break;
    case OpenItems:
        for (const QString& path : paths) {
            if (QFileInfo(path).isDir())
                Dir1->setPath(path);
            else
                OpenExplorerFile(path);
        }
        break;
    case OpenWithDefault:
        OpenWithDefaultApplication(paths);
        break;
    case OpenFolder:
        OpenContainingFolder(paths.first());
        break;
    case CopyPath:
        CopyPaths(paths);
        break;
    case Rename:
        if (paths.size() == 1)
            RenameWithPrompt(paths.first());
        break;
    case Trash:
        MoveToTrashWithPrompt(paths);
        break;
    case Properties:
        ShowProperties(paths);
        break;
    }
}
