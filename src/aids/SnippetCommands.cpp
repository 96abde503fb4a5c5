#include "aids/frmSnippets.h"

#include "aids/EditorDialogs.h"
#include "aids/SnippetFiles.h"
#include "aids/frmSnipEdit.h"
#include "editor/CurrentView.h"
#include "editor/DocumentLineEnds.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void critical(const QString& text) {
    platform::MsgBox(text, platform::vbCritical);
}

bool askYes(const QString& question) {
    return platform::MsgBox(question, platform::vbYesNo | platform::vbQuestion) == platform::vbYes;
}

[[noreturn]] void raiseAccessError() {
    RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
}

}

void frmSnippets::DoMenuCommand(const QString& command) {
    try {
        QTreeWidgetItem* selected = tvSnippets->currentItem();
        if (command == QLatin1String("Insert Snippet"))
            InsertSnippet(selected);
        else if (command == QLatin1String("Edit Snippet"))
            EditSnippet(selected);
        else if (command == QLatin1String("Edit As File"))
            EditAsFile(selected);
        else if (command == QLatin1String("New Snippet"))
            NewSnippet();
        else if (command == QLatin1String("Delete Snippet"))
            DeleteSnippet(selected);
        else if (command == QLatin1String("Add Category"))
            AddCategory();
        else if (command == QLatin1String("Refresh Snippets"))
            RefreshTvSnippets(QString());
    } catch (...) {
        SetErrorLog(QStringLiteral("DoMenuCommand"), QStringLiteral("frmSnippets"));
    }
}

QString frmSnippets::targetCategoryPath() const {
    const QTreeWidgetItem* selected = tvSnippets->currentItem();
    if (selected && !IsCategory(selected))
        selected = selected->parent();
    return selected ? NodeFullPath(selected) : QString();
}

void frmSnippets::InsertSnippet(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString file = SnippetFileOfKey(NodeKey(item));
    if (!QFileInfo(file).isFile()) {
        critical(QStringLiteral("File ") + file + QStringLiteral(" does not exists!"));
        return;
    }
    QByteArray bytes;
    if (!platform::readFileBytes(file, bytes))
        raiseAccessError();
    if (bytes.isEmpty() || !IsEditorActive())
        return;
    SciReplaceSel(InDocumentLineEnds(bytes));
    FocusEditor();
}

void frmSnippets::EditSnippet(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString folder = item->parent() ? QStringLiteral("Snippets/") + NodeFullPath(item->parent()) : QStringLiteral("Snippets");
    ShowSnippetEditor()->StartEdit(folder, item->text(0));
}

void frmSnippets::EditAsFile(QTreeWidgetItem* item) {
    if (item)
        OpenFile(SnippetFileOfKey(NodeKey(item)), false, true);
}

void frmSnippets::NewSnippet() {
    const QString category = targetCategoryPath();
    const QString folder = category.isEmpty() ? QStringLiteral("Snippets") : QStringLiteral("Snippets/") + category;
    if (!QFileInfo(ProgramRelativeToAbsolute(folder)).isDir()) {
        critical(QStringLiteral("Parent Folder ") + folder + QStringLiteral(" does not exists !"));
        return;
    }
    ShowSnippetEditor()->StartNew(QStringLiteral("New Snippet"), folder);
}

void frmSnippets::DeleteSnippet(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString path = SnippetsFolder() + QLatin1Char('/') + NodeFullPath(item);
    if (!IsCategory(item)) {
        if (!askYes(QStringLiteral("Are you sure you want to delete this file ?")))
            return;
        const QFileInfo file(SnippetFileOfKey(path));
        if (file.exists() && (!file.isWritable() || !QFile::remove(file.filePath())))
            raiseAccessError();
    } else {
        if (!askYes(QStringLiteral("Are you sure you want to delete this Folder ?")))
            return;
        if (QFileInfo(path).isDir() && !QDir(path).removeRecursively())
            raiseAccessError();
    }
    dropHighlight_.set(nullptr);
    delete item;
}

void frmSnippets::AddCategory() {
    const QString category = targetCategoryPath();
    const QString base = SnippetsFolder() + (category.isEmpty() ? QString() : QLatin1Char('/') + category);
    if (!QFileInfo(base).isDir()) {
        critical(QStringLiteral("Parent Folder ") + base + QStringLiteral(" does not exists !"));
        return;
    }
    const QString name = platform::InputBox(QStringLiteral("Enter name for the new (Sub)category:"));
    if (name.isEmpty())
        return;
    if (!IsPlainName(name) || name == QLatin1String(".") || name == QLatin1String("..")) {
        platform::MsgBox(QStringLiteral("Invalid category name: ") + name, platform::vbExclamation);
        return;
    }
    const QString folder = base + QLatin1Char('/') + name;
    if (QFileInfo(folder).isDir()) {
        critical(QStringLiteral("Category with this name already exists !"));
        return;
    }
    if (!QDir().mkdir(folder))
        raiseAccessError();
    RefreshTvSnippets(folder);
}
