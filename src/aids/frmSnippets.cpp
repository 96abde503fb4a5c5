#include "aids/frmSnippets.h"

#include "aids/SnippetFiles.h"
#include "aids/SnippetsTree.h"
#include "editor/WaitCursor.h"
#include "foundation/FolderIcons.h"
#include "foundation/controls/Splitter.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/WindowUpdateLock.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"
#include "platform/Host.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPointer>
#include <QPlainTextEdit>
#include <QStyle>

namespace {

QPointer<frmSnippets> gPanel;

constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr qsizetype kPreviewLength = 1000;

const QString kFolderOpen = QStringLiteral("FolderOpen");
const QString kFolderClosed = QStringLiteral("FolderClosed");
const QString kFile = QStringLiteral("File");

QIcon imageIcon(const QString& image) {
    if (image == kFolderOpen)
        return OpenFolderIcon();
    if (image == kFolderClosed)
        return ClosedFolderIcon();
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}

void collectExpanded(QTreeWidgetItem* item, QStringList& keys) {
    if (NodeImage(item) == kFolderOpen)
        keys.append(NodeKey(item));
    for (int i = 0; i < item->childCount(); ++i)
        collectExpanded(item->child(i), keys);
}

}

frmSnippets* SnippetsPanel() {
    return gPanel;
}

bool IsCategory(const QTreeWidgetItem* item) {
    return item && NodeImage(item).startsWith(QLatin1String("Folder"));
}

QString NodeKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, kKeyRole).toString() : QString();
}

QString NodeImage(const QTreeWidgetItem* item) {
    return item ? item->data(0, kImageRole).toString() : QString();
}

QString NodeFullPath(const QTreeWidgetItem* item) {
    QStringList texts;
    for (; item; item = item->parent())
        texts.prepend(item->text(0));
    return texts.join(QLatin1Char('/'));
}

frmSnippets::frmSnippets(QWidget* parent) : QWidget(parent) {
    gPanel = this;
    setObjectName(QStringLiteral("frmSnippets"));
    setWindowTitle(QStringLiteral("Snippets Manager"));
    setMinimumSize(160, 100);

    tvSnippets = new SnippetsTree(*this);
    tvSnippets->setObjectName(QStringLiteral("tvSnippets"));
    rtfPreview = new QPlainTextEdit(QStringLiteral("... Snippet Preview ..."), this);
    rtfPreview->setObjectName(QStringLiteral("rtfPreview"));
    rtfPreview->setReadOnly(true);
    rtfPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtfPreview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    splitter_ = new Splitter(this);
    splitter_->setOrientation(1);
    splitter_->setSplitterSize(60);
    splitter_->setMaintain(1);
    splitter_->setRatioFromTop(0.65f);
    splitter_->setMinSize1(600);
    splitter_->setMinSize2(300);
    splitter_->setChild1(QStringLiteral("tvSnippets"));
    splitter_->setChild2(QStringLiteral("rtfPreview"));
    // The splitter covers the whole panel; below its children it takes only the bar's clicks.
    splitter_->lower();

    connect(tvSnippets, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { setImage(item, kFolderOpen); });
    connect(tvSnippets, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { setImage(item, kFolderClosed); });
    connect(tvSnippets, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { tvSnippets_NodeClick(item); });
}

frmSnippets::~frmSnippets() = default;

void frmSnippets::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (filledOnce_)
        return;
    filledOnce_ = true;
    ListSnippets();
}

void frmSnippets::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    splitter_->setGeometry(rect());
}

void frmSnippets::ListSnippets() {
    try {
        filledOnce_ = true;
        dropHighlight_.set(nullptr);
        tvSnippets->clear();
        if (!QFileInfo(SnippetsFolder()).isDir())
            return;
        WaitCursorScope wait;
        RecurseScan(SnippetsFolder(), QString());
    } catch (...) {
        SetErrorLog(QStringLiteral("ListSnippets"), QStringLiteral("frmSnippets"));
    }
}

void frmSnippets::RecurseScan(const QString& folderPath, const QString& parentKey) {
    try {
        const SnippetFolderEntries entries = ReadSnippetFolder(folderPath);
        for (const QString& category : entries.categories) {
            const QString key = folderPath + QLatin1Char('/') + category;
            addNode(parentKey, key, category, kFolderClosed);
            RecurseScan(key, key);
        }
        for (const QString& snippet : entries.snippets)
            addNode(parentKey, folderPath + QLatin1Char('/') + snippet, snippet, kFile);
    } catch (...) {
        SetErrorLog(QStringLiteral("RecurseScan"), QStringLiteral("frmSnippets"));
    }
}

QTreeWidgetItem* frmSnippets::addNode(const QString& parentKey, const QString& key, const QString& text, const QString& image) {
    QTreeWidgetItem* parent = parentKey.isEmpty() ? nullptr : node(parentKey);
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvSnippets);
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    setImage(item, image);
    return item;
}

void frmSnippets::setImage(QTreeWidgetItem* item, const QString& image) {
    if (!item)
        return;
    item->setData(0, kImageRole, image);
    item->setIcon(0, imageIcon(image));
}

QTreeWidgetItem* frmSnippets::node(const QString& key) const {
    if (key.isEmpty())
        return nullptr;
    for (QTreeWidgetItemIterator it(tvSnippets); *it; ++it)
        if (NodeKey(*it) == key)
            return *it;
    return nullptr;
}

void frmSnippets::RefreshTvSnippets(const QString& keyToSelect) {
    QStringList expanded;
    for (int i = 0; i < tvSnippets->topLevelItemCount(); ++i)
        collectExpanded(tvSnippets->topLevelItem(i), expanded);
    const bool locked = platform::LockWindowUpdate(tvSnippets);
    try {
        ListSnippets();
        for (const QString& key : expanded)
            if (QTreeWidgetItem* item = node(key))
                item->setExpanded(true);
        if (!keyToSelect.isEmpty()) {
            QTreeWidgetItem* item = node(keyToSelect);
            if (!item)
                RaiseError(35601, QStringLiteral("Element not found"));
            tvSnippets->setCurrentItem(item);
            tvSnippets->scrollToItem(item);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("RefreshTvSnippets"), QStringLiteral("frmSnippets"));
    }
    if (locked)
        platform::LockWindowUpdate(nullptr);
    if (tvSnippets->isVisible())
        tvSnippets->setFocus();
}

void frmSnippets::clickNode(QTreeWidgetItem* item) {
    tvSnippets->setCurrentItem(item);
    if (!item)
        tvSnippets->clearSelection();
    if (item)
        tvSnippets_NodeClick(item);
}

void frmSnippets::tvSnippets_MouseDown(const QPoint& position) {
    try {
        mouseDownAt_ = position;
        QTreeWidgetItem* item = tvSnippets->itemAt(position);
        tvSnippets->setCurrentItem(item);
        if (!item) {
            tvSnippets->clearSelection();
            tvSnippets->setCurrentItem(nullptr);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("tvSnippets_MouseDown"), QStringLiteral("frmSnippets"));
    }
}

void frmSnippets::tvSnippets_DblClick() {
    QTreeWidgetItem* item = tvSnippets->itemAt(mouseDownAt_);
    if (item && !IsCategory(tvSnippets->currentItem()) && tvSnippets->currentItem())
        DoMenuCommand(QStringLiteral("Insert Snippet"));
}

void frmSnippets::tvSnippets_RightMouseUp() {
    try {
        if (dropHighlight_.item())
            tvSnippets->setCurrentItem(dropHighlight_.item());
        QTreeWidgetItem* selected = tvSnippets->currentItem();
        const bool snippet = selected && !IsCategory(selected);
        platform::Host& host = platform::host();
        for (const char* key : {"Edit Snippet", "Edit As File", "Insert Snippet"})
            host.setCommandEnabled(QLatin1String(key), snippet);
        host.setCommandEnabled(QStringLiteral("Delete Snippet"), selected != nullptr);
        if (dock::DockLayer* layer = dock::hostLayer())
            layer->showPopup(QStringLiteral("SnippetsPopupMenu"));
    } catch (...) {
        SetErrorLog(QStringLiteral("tvSnippets_MouseUp"), QStringLiteral("frmSnippets"));
    }
}

void frmSnippets::tvSnippets_NodeClick(QTreeWidgetItem* item) {
    try {
        if (!item || IsCategory(item))
            return;
        const QString file = SnippetFileOfKey(NodeKey(item));
        QByteArray bytes;
        if (!QFileInfo(file).isFile() || !platform::readFileBytes(file, bytes)) {
            rtfPreview->setPlainText(QStringLiteral("File does not exists... Please Refresh Snippets !"));
            return;
        }
        rtfPreview->setPlainText(platform::fromAnsi(bytes.left(kPreviewLength)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } catch (...) {
        SetErrorLog(QStringLiteral("tvSnippets_NodeClick"), QStringLiteral("frmSnippets"));
    }
}

