#include "aids/frmSnippets.h"

#include "aids/SnippetFiles.h"
#include "aids/SnippetsTree.h"
#include "aids/frmSnipEdit.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

namespace {

void critical(const QString& text) {
    platform::MsgBox(text, platform::vbCritical);
}

bool isDraggedNode(const QString& draggedKey, const QMimeData& data) {
    return !draggedKey.isEmpty() && data.hasFormat(SnippetsTree::kNodeMimeType)
        && QString::fromUtf8(data.data(SnippetsTree::kNodeMimeType)) == draggedKey;
}

// A category dropped on itself or on anything inside it.
bool isOwnSubtree(const QString& draggedKey, const QTreeWidgetItem* target) {
    for (; target; target = target->parent())
        if (NodeKey(target) == draggedKey)
            return true;
    return false;
}

}

QMimeData* frmSnippets::dragNode(QTreeWidgetItem* item) {
    try {
        if (!item)
            return nullptr;
        draggedKey_ = NodeKey(item);
        // A drag selects the node as a click does, and the preview shows it as after a click.
        tvSnippets_NodeClick(item);
        auto* data = new QMimeData;
        data->setData(SnippetsTree::kNodeMimeType, draggedKey_.toUtf8());
        if (IsCategory(item)) {
            data->setText(item->text(0));
            return data;
        }
        QByteArray bytes;
        if (platform::readFileBytes(SnippetFileOfKey(draggedKey_), bytes) && !bytes.isEmpty())
            data->setText(platform::fromAnsi(bytes));
        return data;
    } catch (...) {
        SetErrorLog(QStringLiteral("tvSnippets_OLEStartDrag"), QStringLiteral("frmSnippets"));
        return nullptr;
    }
}

Qt::DropAction frmSnippets::tvSnippets_OLEDragOver(QTreeWidgetItem* over, const QMimeData& data) {
    if (isDraggedNode(draggedKey_, data)) {
        QTreeWidgetItem* dragged = node(draggedKey_);
        const bool category = IsCategory(over) && !(IsCategory(dragged) && isOwnSubtree(draggedKey_, over));
        dropHighlight_.set(category ? over : nullptr);
        return category ? Qt::MoveAction : Qt::IgnoreAction;
    }
    if (!data.hasText()) {
        dropHighlight_.set(nullptr);
        return Qt::IgnoreAction;
    }
    if (IsCategory(over)) {
        dropHighlight_.set(over);
    } else {
        dropHighlight_.set(nullptr);
        tvSnippets->setCurrentItem(nullptr);
        tvSnippets->clearSelection();
    }
    return Qt::CopyAction;
}

void frmSnippets::tvSnippets_OLEDragDrop(QTreeWidgetItem* target, const QMimeData& data) {
    try {
        frmSnipEdit* editor = SnippetEditor();
        if (!(editor && editor->isVisible()) && data.hasText()) {
            if (!isDraggedNode(draggedKey_, data)) {
                const QString folder = IsCategory(target) ? QStringLiteral("Snippets/") + NodeFullPath(target) : QStringLiteral("Snippets");
                frmSnipEdit* shown = ShowSnippetEditor();
                shown->StartNew(data.text(), folder);
                shown->Timer->start();
            } else if (IsCategory(target)) {
                moveDraggedNode(target);
            }
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("tvSnippets_OLEDragDrop"), QStringLiteral("frmSnippets"));
    }
    draggedKey_.clear();
    dropHighlight_.set(nullptr);
}

void frmSnippets::moveDraggedNode(QTreeWidgetItem* target) {
    QTreeWidgetItem* dragged = node(draggedKey_);
    if (!dragged || (IsCategory(dragged) && isOwnSubtree(draggedKey_, target)))
        return;
    const QString snippets = SnippetsFolder() + QLatin1Char('/');
    const QString source = snippets + NodeFullPath(dragged);
    const QString targetFolder = snippets + NodeFullPath(target);
    const QString destination = targetFolder + QLatin1Char('/') + dragged->text(0);
    if (!QFileInfo(targetFolder).isDir()) {
        critical(QStringLiteral("Parent Folder ") + targetFolder + QStringLiteral(" does not exists !"));
        return;
    }
    if (!IsCategory(dragged)) {
        if (!QFileInfo(SnippetFileOfKey(source)).isFile()) {
            critical(QStringLiteral(" File ") + SnippetFileOfKey(source) + QStringLiteral(" does not exists !"));
            return;
        }
        if (QFileInfo::exists(SnippetFileOfKey(destination))) {
            critical(QStringLiteral("File with this name already exists on this location !"));
            return;
        }
        if (!QFile::rename(SnippetFileOfKey(source), SnippetFileOfKey(destination)))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
    } else {
        if (!QFileInfo(source).isDir()) {
            critical(QStringLiteral(" Folder ") + source + QStringLiteral(" does not exists !"));
            return;
        }
        if (QFileInfo::exists(destination)) {
            critical(QStringLiteral("Category with this name already exists on this location !"));
            return;
        }
        if (!QDir().rename(source, destination))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
    }
    delete dragged;
    RefreshTvSnippets(destination);
}

void frmSnippets::tvSnippets_OLECompleteDrag() {
    draggedKey_.clear();
}
