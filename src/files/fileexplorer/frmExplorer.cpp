#include "files/fileexplorer/frmExplorer.h"

#include "files/fileexplorer/ExplorerIcons.h"
#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/ExplorerOpen.h"
#include "files/fileexplorer/FileListRows.h"
#include "files/fileexplorer/FileTypeFilter.h"
#include "files/fileexplorer/FolderList.h"
#include "files/fileexplorer/FolderListing.h"
#include "files/fileexplorer/ListViewSort.h"
#include "foundation/FileHelpers.h"
#include "foundation/controls/ColumnTwips.h"
#include "foundation/controls/Splitter.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/SettingsStore.h"
#include "platform/WindowUpdateLock.h"
#include "vocabulary/SettingsValues.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kModule = QStringLiteral("frmExplorer");

QString setting(const char* section, const char* key, const QString& defaultValue) {
    return platform::GetSetting(QString::fromLatin1(section), QString::fromLatin1(key), defaultValue);
}

void saveSetting(const char* section, const char* key, const QString& value) {
    platform::SaveSetting(QString::fromLatin1(section), QString::fromLatin1(key), value);
}

QToolButton* toolButton(const char* name, const char* tip, QStyle::StandardPixmap picture, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(tip));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setAutoRaise(true);
    return button;
}

QWidget* tabPage(const QString& name, QWidget* top, QWidget* list) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(top);
    layout->addWidget(list, 1);
    return page;
}

QWidget* buttonRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QWidget* widget : widgets)
        layout->addWidget(widget, widget->inherits("QComboBox") ? 1 : 0);
    if (!(*widgets.begin())->inherits("QComboBox"))
        layout->addStretch(1);
    return row;
}

}

frmExplorer::frmExplorer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmExplorer"));
    setWindowTitle(QStringLiteral("File Explorer"));
    setMinimumSize(160, 100);
    buildControls();
    Form_Load();
}

frmExplorer::~frmExplorer() {
    Form_Unload();
}

void frmExplorer::buildControls() {
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    connect(Timer, &QTimer::timeout, this, &frmExplorer::Timer_Timer);

    SSTabDirs = new QTabWidget(this);
    SSTabDirs->setObjectName(QStringLiteral("SSTabDirs"));
    SSTabDirs->addTab(buildDirsTab(), QStringLiteral("&Dirs"));
    SSTabDirs->addTab(buildFolderFavoritesTab(), QStringLiteral("&Favorites"));
    SSTabFiles = new QTabWidget(this);
    SSTabFiles->setObjectName(QStringLiteral("SSTabFiles"));
    SSTabFiles->addTab(buildFilesTab(), QStringLiteral("&Files"));
    SSTabFiles->addTab(buildFileFavoritesTab(), QStringLiteral("Fa&vorites"));

    splitter = new Splitter(this);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->setOrientation(1);
    splitter->setSplitterSize(80);
    splitter->setSplitterColor(QColor(0xC0, 0xC0, 0xC0));
    splitter->setAllowResize(true);
    splitter->setMaintain(1);
    splitter->setSplitterPos(4835);
    splitter->setChild1(QStringLiteral("SSTabDirs"));
    splitter->setChild2(QStringLiteral("SSTabFiles"));
    splitter->lower();

    for (QWidget* list : {static_cast<QWidget*>(Dir1), static_cast<QWidget*>(lvFiles),
                          static_cast<QWidget*>(lvFilesFavorites), static_cast<QWidget*>(lvDirsFavorites)}) {
        list->installEventFilter(this);
        static_cast<QAbstractScrollArea*>(list)->viewport()->installEventFilter(this);
    }
}

QWidget* frmExplorer::buildDirsTab() {
    Drive1 = new QComboBox;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    cmdRefresh = toolButton("cmdRefresh", "Refresh", QStyle::SP_BrowserReload, this);
    cmdAddToFoldersFav = toolButton("cmdAddToFoldersFav", "Add to Favorites", QStyle::SP_FileDialogNewFolder, this);
    Dir1 = new FolderList;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setPath(NearestExistingFolder(QDir::currentPath()));
    showDriveOf(Dir1->Path());
    connect(Dir1, &FolderList::Change, this, &frmExplorer::Dir1_Change);
    connect(Drive1, &QComboBox::activated, this, &frmExplorer::Drive1_Change);
    connect(cmdRefresh, &QToolButton::clicked, this, &frmExplorer::cmdRefresh_Click);
    connect(cmdAddToFoldersFav, &QToolButton::clicked, this, &frmExplorer::cmdAddToFoldersFav_Click);
    return tabPage(QStringLiteral("PicPomosna0"), buttonRow({Drive1, cmdRefresh, cmdAddToFoldersFav}), Dir1);
}

QWidget* frmExplorer::buildFolderFavoritesTab() {
    cmdRemoveFoldersFav = toolButton("cmdRemoveFoldersFav", "Remove from Favorites", QStyle::SP_DialogDiscardButton, this);
    lvDirsFavorites = new ExplorerListView(QStringLiteral("lvDirsFavorites"));
    connect(cmdRemoveFoldersFav, &QToolButton::clicked, this, &frmExplorer::cmdRemoveFoldersFav_Click);
    connect(lvDirsFavorites, &QTreeWidget::itemDoubleClicked, this, &frmExplorer::lvDirsFavorites_DblClick);
    return tabPage(QStringLiteral("PicPomosna1"), buttonRow({cmdRemoveFoldersFav}), lvDirsFavorites);
}

QWidget* frmExplorer::buildFilesTab() {
    cboFiletypes = new QComboBox;
    cboFiletypes->setObjectName(QStringLiteral("cboFiletypes"));
    cmdAddToFilesFav = toolButton("cmdAddToFilesFav", "Add to Favorites", QStyle::SP_FileDialogNewFolder, this);
    lvFiles = new ExplorerListView(QStringLiteral("lvFiles"));
    lvFiles->allowNameDrags();
    connect(cmdAddToFilesFav, &QToolButton::clicked, this, &frmExplorer::cmdAddToFilesFav_Click);
    connect(lvFiles, &QTreeWidget::itemDoubleClicked, this, &frmExplorer::lvFiles_DblClick);
    return tabPage(QStringLiteral("PicPomosnaFiles0"), buttonRow({cboFiletypes, cmdAddToFilesFav}), lvFiles);
}

QWidget* frmExplorer::buildFileFavoritesTab() {
    cmdRemoveFilesFav = toolButton("cmdRemoveFilesFav", "Remove from Favorites", QStyle::SP_DialogDiscardButton, this);
    lvFilesFavorites = new ExplorerListView(QStringLiteral("lvFilesFavorites"));
    lvFilesFavorites->allowNameDrags();
    connect(cmdRemoveFilesFav, &QToolButton::clicked, this, &frmExplorer::cmdRemoveFilesFav_Click);
    connect(lvFilesFavorites, &QTreeWidget::itemDoubleClicked, this, &frmExplorer::openSelectedFileFavorites);
    return tabPage(QStringLiteral("PicPomosnaFiles1"), buttonRow({cmdRemoveFilesFav}), lvFilesFavorites);
}

void frmExplorer::Form_Load() {
    FileFavorites.setName(QStringLiteral("FileFavorites"));
    FileFavorites.setNumber(200);
    FileFavorites.setAsFavorites(true);
    FileFavorites.Load();
    DirsFavorites.setName(QStringLiteral("FolderFavorites"));
    DirsFavorites.setNumber(100);
    DirsFavorites.setAsFavorites(true);
    DirsFavorites.Load();
    PrepareExplorerUI();
    connect(cboFiletypes, &QComboBox::currentIndexChanged, this, &frmExplorer::cboFiletypes_Click);
    bool ok = false;
    const int filter = setting("Options", "ComboFileTypesState", QStringLiteral("0")).toInt(&ok);
    if (ok && filter >= 0 && filter < kFileTypeFilterCount)
        cboFiletypes->setCurrentIndex(filter);
    SSTabFiles->setCurrentIndex(setting("Options", "LastSelectedTabFiles", QStringLiteral("0")).toInt());
    SSTabDirs->setCurrentIndex(setting("Options", "LastSelectedTabDirs", QStringLiteral("0")).toInt());
    SSTabFiles_Click();
    SSTabDirs_Click();
    connect(SSTabFiles, &QTabWidget::currentChanged, this, &frmExplorer::SSTabFiles_Click);
    connect(SSTabDirs, &QTabWidget::currentChanged, this, &frmExplorer::SSTabDirs_Click);
}

void frmExplorer::PrepareExplorerUI() {
    try {
        SetUpFileListColumns(lvFiles, StoredColumnWidthTwips(QStringLiteral("FileExFCol1"), 2000, 500, 20000));
        lvFilesFavorites->setColumns({{"Name", StoredColumnWidthTwips(QStringLiteral("FileExFFCol1"), 2000, 500, 20000), false, "STRING"},
                                      {"Path", 3000, false, "STRING"}});
        lvDirsFavorites->setColumns({{"Folder Name", StoredColumnWidthTwips(QStringLiteral("FileExDFCol1"), 2000, 200, 20000), false, "STRING"},
                                     {"Full Path", 3000, false, "STRING"}});
        splitter->setRatioFromTop(setting("UISettings", "FileExSplitter", QStringLiteral("0.5")).toFloat());
        const QSignalBlocker quiet(cboFiletypes);
        for (const FileTypeFilter& filter : kFileTypeFilters)
            cboFiletypes->addItem(QString::fromLatin1(filter.caption));
        cboFiletypes->setCurrentIndex(-1);
    } catch (...) {
        SetErrorLog(QStringLiteral("PrepareExplorerUI"), kModule);
    }
}

void frmExplorer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!FirstPaintDone)
        Form_Paint();
}

void frmExplorer::Form_Paint() {
    FirstPaintDone = true;
    try {
        if (gFileExStartPath == 1) {
            const QString last = setting("FileExSettings", "LastPath", QDir::currentPath());
            if (PathExists(last) && QFileInfo(last).isDir()) {
                Dir1->setPath(last);
                return;
            }
        }
        Dir1->setPath(NearestExistingFolder(QDir::currentPath()));
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_Paint"), kModule);
    }
}

void frmExplorer::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    FileFavorites.Save();
    DirsFavorites.Save();
    saveSetting("UISettings", "FileExSplitter", QString::number(splitter->RatioFromTop()));
    saveSetting("UISettings", "FileExFCol1", QString::number(lvFiles->columnWidthTwips(0)));
    saveSetting("UISettings", "FileExFFCol1", QString::number(lvFilesFavorites->columnWidthTwips(0)));
    saveSetting("UISettings", "FileExDFCol1", QString::number(lvDirsFavorites->columnWidthTwips(0)));
    saveSetting("FileExSettings", "LastPath", QDir::toNativeSeparators(Dir1->Path()));
    saveSetting("Options", "LastSelectedTabFiles", QString::number(SSTabFiles->currentIndex()));
    saveSetting("Options", "LastSelectedTabDirs", QString::number(SSTabDirs->currentIndex()));
    saveSetting("Options", "ComboFileTypesState", QString::number(cboFiletypes->currentIndex()));
}

void frmExplorer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    splitter->setGeometry(rect());
}

void frmExplorer::cboFiletypes_Click(int index) {
    if (index >= 0 && index < kFileTypeFilterCount)
        filePattern_ = QString::fromLatin1(kFileTypeFilters[index].pattern);
    PopulateListView();
}

void frmExplorer::Dir1_Change() {
    showDriveOf(Dir1->Path());
    PopulateListView();
    SSTabFiles->setCurrentIndex(0);
}

void frmExplorer::showDriveOf(const QString& folder) {
    const QSignalBlocker quiet(Drive1);
    Drive1->clear();
    const QString root = QStorageInfo(folder).rootPath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            Drive1->addItem(volume.rootPath(), volume.rootPath());
    if (Drive1->findData(root) < 0)
        Drive1->addItem(root, root);
    Drive1->setCurrentIndex(Drive1->findData(root));
}

void frmExplorer::Drive1_Change(int index) {
    try {
        Dir1->setPath(Drive1->itemData(index).toString());
    } catch (...) {
    }
}

void frmExplorer::cmdRefresh_Click() {
    Dir1->Refresh();
    PopulateListView();
    Dir1->setFocus();
}

void frmExplorer::PopulateListView() {
    try {
        const quint64 listing = ++listing_;
        if (!QFileInfo(Dir1->Path()).isDir()) {
            CheckFolderList();
            if (listing != listing_)
                return;
        }
        const QString folder = Dir1->Path();
        LastFolderCount = CountSubfolders(folder);
        LastFileCount = CountFiles(folder);
        lvFiles->clear();
        listsort::SetSortOrder(lvFiles, Qt::AscendingOrder);
        TrimIconCache(imlFileIcons16);
        currentFolder_ = WithTrailingSeparator(folder);
        {
            const platform::ScopedWindowUpdateLock locked(lvFiles);
            AddFileRows(lvFiles, folder, filePattern_);
            ClearHeaderSortImage(lvFiles, 0);
            ClearHeaderSortImage(lvFiles, 1);
        }
        // Without yielding to the event loop: the listing runs from show and
        // paint handlers, while the main window may still be showing its children.
        for (int i = 0; i < lvFiles->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = lvFiles->topLevelItem(i);
            row->setIcon(0, imlFileIcons16.Icon(FileIconIndex(currentFolder_, row->text(0), imlFileIcons16)));
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("PopulateListView"), kModule);
    }
}

void frmExplorer::lvFiles_DblClick() {
    if (LastMouseButton == 1)
        openSelectedFiles();
}

void frmExplorer::openSelectedFiles() {
    for (QTreeWidgetItem* row : lvFiles->selectedRows()) {
        try {
            OpenExplorerFile(currentFolder_ + row->text(0));
        } catch (...) {
        }
    }
}

bool frmExplorer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return handleKey(watched, static_cast<QKeyEvent*>(event)->key());
    if (watched == lvFiles->viewport() && event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        LastMouseButton = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 4;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QWidget* list = static_cast<QWidget*>(watched)->parentWidget();
        if (mouse->button() == Qt::RightButton && (list == lvFiles || list == Dir1 || list == lvFilesFavorites || list == lvDirsFavorites)) {
            ShellContextMenu(list, mouse->position().toPoint(), mouse->modifiers());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmExplorer::handleKey(QObject* watched, int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (watched == lvFiles) {
        openSelectedFiles();
        return true;
    }
    if (watched == lvFilesFavorites) {
        openSelectedFileFavorites();
        return true;
    }
    if (watched == lvDirsFavorites) {
        // Enter goes where the double click goes, with its offer to remove
        // a folder that has gone.
        lvDirsFavorites_DblClick();
        return true;
    }
    return false;
}
