#pragma once

#include "platform/dock/LayerHost.h"

// The main window as the host of the layers below: its docking layer, and
// the code explorer's refresh, the undo state, the files dropped on an editor
// and the window toggle's target.
class MainWindowHost : public dock::LayerHost {
public:
    using LayerHost::LayerHost;

    void refreshCodeExplorer() override;
    void invalidateCodeExplorer() override;
    void updateSciCommandUI() override;
    void openFile(const QString& path) override;
    QString previousDocumentWindowKey() const override;
    void setPreviousDocumentWindowKey(const QString& key) override;
    bool closeAllDocuments() override;
    bool loadLayoutText(const QString& text) override;
};
