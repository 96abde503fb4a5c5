#pragma once

#include "foundation/FileIcons.h"
#include "foundation/Mru.h"

#include <QStringList>
#include <QWidget>

class ExplorerListView;
class FolderList;
class QComboBox;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class Splitter;

// The "File Explorer" panel: the drive list and folder tree with the folder
// favourites above, the filtered file list with the file favourites below,
// a splitter between them, and a context menu of Korvo's own on each list.
// The panel never changes the process's current folder.
class frmExplorer : public QWidget {
    Q_OBJECT
public:
    explicit frmExplorer(QWidget* parent = nullptr);
    // Saves the favourites and the panel's settings, unless unloaded before.
    ~frmExplorer() override;
    // Saves the favourites and the panel's settings, once: the main window's
    // shutdown does it among its own settings, else the destructor does.
    void Form_Unload();

    void PrepareExplorerUI();
    // Lists the current folder through the filter.
    void PopulateListView();
    void RefreshFilesFavorites();
    void RefreshDirsFavorites();
    void RefreshDirsFavoritesIcons();
    void cmdAddToFilesFav_Click();
    void cmdRemoveFilesFav_Click();
    void cmdAddToFoldersFav_Click();
    void cmdRemoveFoldersFav_Click();
    // Moves the folder list to the nearest existing folder.
    void CheckFolderList();
    // Whether a command may have changed the files of folder.
    bool FilesChanged(const QString& folder, const QStringList& paths);
    void Timer_Timer();
    // The context menu of list at a point of its viewport.
    void ShellContextMenu(QWidget* list, const QPoint& viewportPoint, Qt::KeyboardModifiers shift);

    // The folder of the last listing, with one trailing separator.
    QString CurrentFolder() const { return currentFolder_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildDirsTab();
    QWidget* buildFolderFavoritesTab();
    QWidget* buildFilesTab();
    QWidget* buildFileFavoritesTab();
    void Form_Load();
    void Form_Paint();
    void cboFiletypes_Click(int index);
    void Dir1_Change();
    void Drive1_Change(int index);
    void cmdRefresh_Click();
    void SSTabDirs_Click();
    void SSTabFiles_Click();
    void lvFiles_DblClick();
    void openSelectedFiles();
    void lvDirsFavorites_DblClick();
    void openSelectedFileFavorites();
    void fitSecondColumn(ExplorerListView* list, const QStringList& texts);
    void showDriveOf(const QString& folder);
    bool handleKey(QObject* watched, int key);
    void runMenuCommand(int id, const QStringList& paths);

    FolderList* Dir1 = nullptr;
    QComboBox* Drive1 = nullptr;
    QComboBox* cboFiletypes = nullptr;
    ExplorerListView* lvFiles = nullptr;
    ExplorerListView* lvFilesFavorites = nullptr;
    ExplorerListView* lvDirsFavorites = nullptr;
    QTabWidget* SSTabDirs = nullptr;
    QTabWidget* SSTabFiles = nullptr;
    QToolButton* cmdRefresh = nullptr;
    QToolButton* cmdAddToFoldersFav = nullptr;
    QToolButton* cmdRemoveFoldersFav = nullptr;
    QToolButton* cmdAddToFilesFav = nullptr;
    QToolButton* cmdRemoveFilesFav = nullptr;
    Splitter* splitter = nullptr;
    QTimer* Timer = nullptr;

    ImageList imlFileIcons16;
    ClsMRU FileFavorites;
    ClsMRU DirsFavorites;
    // File1: the filter's patterns; its folder is always Dir1's.
    QString filePattern_ = QStringLiteral("*.bb;*.kpf");
    QString currentFolder_;
    int LastFolderCount = 0;
    int LastFileCount = 0;
    int LastMouseButton = 0;
    bool FirstPaintDone = false;
    bool unloaded_ = false;
    // Each listing takes the next number; an icon pass stops once another
    // listing has begun.
    quint64 listing_ = 0;
};
