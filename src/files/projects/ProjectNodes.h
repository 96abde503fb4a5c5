#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The nodes of the project tree. Each keeps the key that names it (a
// project's FullPath, a category's FullPath, a file's TreeParent & "\" &
// Name), its image key ("Project", "OpenFolder", "ClosedFolder" or a file
// type's key) and its tag ("File" on file nodes).
namespace projects {

QString NodeKey(const QTreeWidgetItem* node);
QString NodeImage(const QTreeWidgetItem* node);
QString NodeTag(const QTreeWidgetItem* node);
void SetNodeKey(QTreeWidgetItem& node, const QString& key);
void SetNodeImageKey(QTreeWidgetItem& node, const QString& image);
void SetNodeTag(QTreeWidgetItem& node, const QString& tag);

// A category's image key ends in "Folder"; a project has no parent; any
// other node is a file.
bool IsCategoryNode(const QTreeWidgetItem* node);
bool IsProjectNode(const QTreeWidgetItem* node);
bool IsFileNode(const QTreeWidgetItem* node);

// The texts from the root down to the node, joined by "\".
QString NodeTreePath(const QTreeWidgetItem* node);
// The same without the project's name: the category path inside the
// project ("\src\gfx"; "" for the project node).
QString CategoryPath(const QTreeWidgetItem* node);

// The key of the node's topmost ancestor (its own for a root), the key of
// its project in gProjects; "" for no node.
QString RootParent(const QTreeWidgetItem* node);

// The tree, one node a line: two blanks of indent per level, then text,
// image key, "bold" or "-", and key, separated by tabs.
QStringList TreeLines(const QTreeWidget& tree);

}
