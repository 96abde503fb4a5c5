#include "files/projects/ProjectNodes.h"

#include <QStringList>
#include <QTreeWidget>

namespace projects {
namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;

QString role(const QTreeWidgetItem* node, int which) {
    return node ? node->data(0, which).toString() : QString();
}

}

QString NodeKey(const QTreeWidgetItem* node) {
    return role(node, kKeyRole);
}

QString NodeImage(const QTreeWidgetItem* node) {
    return role(node, kImageRole);
}

QString NodeTag(const QTreeWidgetItem* node) {
    return role(node, kTagRole);
}

void SetNodeKey(QTreeWidgetItem& node, const QString& key) {
    node.setData(0, kKeyRole, key);
}

void SetNodeImageKey(QTreeWidgetItem& node, const QString& image) {
    node.setData(0, kImageRole, image);
}

void SetNodeTag(QTreeWidgetItem& node, const QString& tag) {
    node.setData(0, kTagRole, tag);
}

bool IsCategoryNode(const QTreeWidgetItem* node) {
    return node && NodeImage(node).endsWith(QLatin1String("Folder"));
}

bool IsProjectNode(const QTreeWidgetItem* node) {
    return node && !node->parent();
}

bool IsFileNode(const QTreeWidgetItem* node) {
    return node && !IsProjectNode(node) && !IsCategoryNode(node);
}

QString NodeTreePath(const QTreeWidgetItem* node) {
    QStringList texts;
    for (; node; node = node->parent())
        texts.prepend(node->text(0));
    return texts.join(QLatin1Char('\\'));
}

QString CategoryPath(const QTreeWidgetItem* node) {
    const QTreeWidgetItem* root = node;
    while (root && root->parent())
        root = root->parent();
    return root ? NodeTreePath(node).mid(root->text(0).size()) : QString();
}

namespace {

void appendLines(const QTreeWidgetItem* node, int level, QStringList& lines) {
    lines.append(QString(level * 2, QLatin1Char(' ')) +
                 QStringList{node->text(0), NodeImage(node), node->font(0).bold() ? QStringLiteral("bold") : QStringLiteral("-"),
                             NodeKey(node)}
                     .join(QLatin1Char('\t')));
    for (int i = 0; i < node->childCount(); ++i)
        appendLines(node->child(i), level + 1, lines);
}

}

QStringList TreeLines(const QTreeWidget& tree) {
    QStringList lines;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        appendLines(tree.topLevelItem(i), 0, lines);
    return lines;
}

QString RootParent(const QTreeWidgetItem* node) {
    QString key;
    for (; node; node = node->parent())
        key = NodeKey(node);
    return key;
}

}
