#include "files/fileexplorer/FolderList.h"

#include "platform/KorvoError.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

constexpr int kPathRole = Qt::UserRole;

QTreeWidgetItem* addFolder(QTreeWidget* list, QTreeWidgetItem* parent, const QString& name, const QString& path) {
    auto* entry = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(list);
    entry->setText(0, name);
    entry->setData(0, kPathRole, path);
    entry->setIcon(0, QFileIconProvider().icon(QFileIconProvider::Folder));
    return entry;
}

}

QString NearestExistingFolder(const QString& path) {
    if (path.isEmpty() || QDir::isRelativePath(path))
        return QDir::homePath();
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return QDir::rootPath();
        folder = parent;
    }
    return folder;
}

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* entry) {
        goTo(entry->data(0, kPathRole).toString());
    });
}

void FolderList::setPath(const QString& path) {
    const QFileInfo folder(path);
    if (!folder.isDir())
        RaiseError(76, QStringLiteral("Path not found"));
    const QString canonical = QDir::cleanPath(folder.absoluteFilePath());
    if (canonical == path_)
        return;
    path_ = canonical;
    fill();
    emit Change();
}

void FolderList::Refresh() {
    fill();
}

QString FolderList::HighlightedPath() const {
    const QTreeWidgetItem* entry = currentItem();
    return entry ? entry->data(0, kPathRole).toString() : path_;
}

QString FolderList::PathAt(const QPoint& viewportPoint) const {
    const QTreeWidgetItem* entry = itemAt(viewportPoint);
    return entry ? entry->data(0, kPathRole).toString() : QString();
}

void FolderList::HighlightAt(const QPoint& viewportPoint) {
    if (QTreeWidgetItem* entry = itemAt(viewportPoint))
        setCurrentItem(entry);
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        goTo(HighlightedPath());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FolderList::goTo(const QString& path) {
    try {
        setPath(path);
    } catch (const KorvoError&) {
        // The entry's folder went away since the list was filled.
        fill();
    }
}

void FolderList::fill() {
    clear();
    QStringList chain;
    for (QDir dir(path_); ; ) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    QTreeWidgetItem* current = nullptr;
    for (const QString& folder : chain) {
        const QString name = current ? QFileInfo(folder).fileName() : folder;
        current = addFolder(this, current, name, folder);
        current->setExpanded(true);
    }
    const QStringList subfolders =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        addFolder(this, current, name, QDir(path_).filePath(name));
    setCurrentItem(current);
}
