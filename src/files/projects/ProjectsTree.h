#pragma once

#include "foundation/controls/PanelTree.h"

class frmProjectEx;

// The project manager's tree, its events handed to the panel's handlers;
// Enter opens the selected file and labels are edited in place.
class ProjectsTree : public PanelTree {
    Q_OBJECT
public:
    explicit ProjectsTree(frmProjectEx& panel);

    // Starts the tree's own editor on the node's label.
    void editLabel(QTreeWidgetItem* item);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void commitData(QWidget* editor) override;

private:
    frmProjectEx& panel_;
    QString editedKey_;
};
