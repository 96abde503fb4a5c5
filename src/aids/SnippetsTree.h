#pragma once

#include "foundation/controls/PanelTree.h"

class frmSnippets;

// The snippets panel's tree, its events handed to the panel's handlers.
class SnippetsTree : public PanelTree {
    Q_OBJECT
public:
    explicit SnippetsTree(frmSnippets& panel);

    // The type that carries a dragged node's key besides its plain text.
    static const QString kNodeMimeType;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
