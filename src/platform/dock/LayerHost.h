#pragma once

#include "platform/Host.h"

namespace dock {

class DockLayer;

// The host interface answered from a docking layer: its document windows,
// commands and status panes by key, and its window's redraw. The code
// explorer's part and the window toggle's target are left to the window
// that owns the layer.
class LayerHost : public platform::Host {
public:
    explicit LayerHost(DockLayer& layer) : layer_(layer) {}

    int documentWindowCount() const override;
    QStringList documentWindowKeys() const override;
    QWidget* documentWindow(const QString& key) const override;
    void activateDocumentWindow(const QString& key) override;
    QString documentWindowCaption(const QString& key) const override;
    void setDocumentWindowCaption(const QString& key, const QString& caption) override;
    bool documentPaneActive() const override;
    QStringList documentWindowIds() const override;
    QString documentWindowId(const QString& keyOrId) const override;
    bool documentWindowVisible(const QString& keyOrId) const override;
    QString addDocumentWindow(const QString& caption, QWidget* form, const QString& key) override;
    void setDocumentWindowForm(const QString& keyOrId, QWidget* form) override;
    void setDocumentWindowKey(const QString& keyOrId, const QString& key) override;
    void closeDocumentWindow(const QString& keyOrId) override;
    QString activeDocumentWindowKey() const override;
    bool hideDocumentWindow(const QString& keyOrId) override;
    QString layoutText() const override;
    QWidget* mainWindow() const override;

    bool hasCommand(const QString& key) const override;
    bool commandEnabled(const QString& key) const override;
    void setCommandEnabled(const QString& key, bool enabled) override;
    bool commandChecked(const QString& key) const override;
    void setCommandChecked(const QString& key, bool checked) override;
    QString commandCaption(const QString& key) const override;
    void setCommandCaption(const QString& key, const QString& caption) override;
    QList<platform::CommandListItem> commandListItems(const QString& key) const override;
    void setCommandListItems(const QString& key, const QList<platform::CommandListItem>& items) override;
    int commandListMaxItems(const QString& key) const override;
    void setCommandListMaxItems(const QString& key, int maxItems) override;
    QString comboText(const QString& key) const override;
    void setComboText(const QString& key, const QString& text) override;

    QString statusPaneText(const QString& key) const override;
    void setStatusPaneText(const QString& key, const QString& text) override;
    bool statusPaneVisible(const QString& key) const override;
    void setStatusPaneVisible(const QString& key, bool visible) override;

    void setRedraw(bool redraw) override;

private:
    DockLayer& layer_;
};

}
