#pragma once

class QTreeWidgetItem;

// The tree node that a drag would drop on, shown on a light background;
// one node at a time.
class DropHighlight {
public:
    QTreeWidgetItem* item() const { return item_; }
    // Moves the highlight to the node; null shows none.
    void set(QTreeWidgetItem* item);

private:
    QTreeWidgetItem* item_ = nullptr;
};
