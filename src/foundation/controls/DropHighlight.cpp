#include "foundation/controls/DropHighlight.h"

#include <QTreeWidget>

void DropHighlight::set(QTreeWidgetItem* item) {
    if (item_ == item)
        return;
    if (item_)
        item_->setBackground(0, QBrush());
    item_ = item;
    if (item && item->treeWidget())
        item->setBackground(0, item->treeWidget()->palette().highlight().color().lighter(160));
}
