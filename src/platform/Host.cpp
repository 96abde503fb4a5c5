#include "platform/Host.h"

#include <utility>

namespace platform {
namespace {

class NoHost : public Host {
public:
    int documentWindowCount() const override { return 0; }
    QStringList documentWindowKeys() const override { return {}; }
    QWidget* documentWindow(const QString&) const override { return nullptr; }
    void activateDocumentWindow(const QString&) override {}
    QString documentWindowCaption(const QString&) const override { return {}; }
    void setDocumentWindowCaption(const QString&, const QString&) override {}
    bool documentPaneActive() const override { return false; }
    QStringList documentWindowIds() const override { return {}; }
    QString documentWindowId(const QString&) const override { return {}; }
    bool documentWindowVisible(const QString&) const override { return false; }
    QString addDocumentWindow(const QString&, QWidget*, const QString&) override { return {}; }
    void setDocumentWindowForm(const QString&, QWidget*) override {}
    void setDocumentWindowKey(const QString&, const QString&) override {}
    void closeDocumentWindow(const QString&) override {}
    QString activeDocumentWindowKey() const override { return {}; }
    QString previousDocumentWindowKey() const override { return {}; }
    void setPreviousDocumentWindowKey(const QString&) override {}
    QWidget* mainWindow() const override { return nullptr; }
    bool hasCommand(const QString&) const override { return false; }
    bool commandEnabled(const QString&) const override { return false; }
    void setCommandEnabled(const QString&, bool) override {}
    bool commandChecked(const QString&) const override { return false; }
    void setCommandChecked(const QString&, bool) override {}
    QString commandCaption(const QString&) const override { return {}; }
    void setCommandCaption(const QString&, const QString&) override {}
    QList<CommandListItem> commandListItems(const QString&) const override { return {}; }
    void setCommandListItems(const QString&, const QList<CommandListItem>&) override {}
    QString comboText(const QString&) const override { return {}; }
    void setComboText(const QString&, const QString&) override {}
    QString statusPaneText(const QString&) const override { return {}; }
    void setStatusPaneText(const QString&, const QString&) override {}
    bool statusPaneVisible(const QString&) const override { return false; }
    void setStatusPaneVisible(const QString&, bool) override {}
    void setRedraw(bool) override {}
    void refreshCodeExplorer() override {}
    void invalidateCodeExplorer() override {}
};

int gRefillBatches = 0;
bool gRefillPending = false;

Host*& installed() {
    static Host* current = nullptr;
    return current;
}

}

Host& host() {
    static NoHost none;
    return installed() ? *installed() : none;
}

void setHost(Host* host) {
    installed() = host;
}

void refillCodeExplorer() {
    if (gRefillBatches > 0) {
        gRefillPending = true;
        return;
    }
    host().invalidateCodeExplorer();
    host().refreshCodeExplorer();
}

CodeExplorerRefillBatch::CodeExplorerRefillBatch() {
    ++gRefillBatches;
}

CodeExplorerRefillBatch::~CodeExplorerRefillBatch() {
    if (--gRefillBatches == 0 && std::exchange(gRefillPending, false))
        refillCodeExplorer();
}

bool HeadlessHost::hasCommand(const QString& key) const {
    return commands_.contains(key);
}

bool HeadlessHost::commandEnabled(const QString& key) const {
    return commands_.value(key).enabled;
}

void HeadlessHost::setCommandEnabled(const QString& key, bool enabled) {
    commands_[key].enabled = enabled;
}

bool HeadlessHost::commandChecked(const QString& key) const {
    return commands_.value(key).checked;
}

void HeadlessHost::setCommandChecked(const QString& key, bool checked) {
    commands_[key].checked = checked;
}

QString HeadlessHost::commandCaption(const QString& key) const {
    return commands_.value(key).caption;
}

void HeadlessHost::setCommandCaption(const QString& key, const QString& caption) {
    commands_[key].caption = caption;
}

QList<CommandListItem> HeadlessHost::commandListItems(const QString& key) const {
    return commands_.value(key).items;
}

void HeadlessHost::setCommandListItems(const QString& key, const QList<CommandListItem>& items) {
    Command& command = commands_[key];
    command.items = items;
    if (command.maxItems > 0 && command.items.size() > command.maxItems)
        command.items.resize(command.maxItems);
}

int HeadlessHost::commandListMaxItems(const QString& key) const {
    return commands_.value(key).maxItems;
}

void HeadlessHost::setCommandListMaxItems(const QString& key, int maxItems) {
    commands_[key].maxItems = qMax(0, maxItems);
    setCommandListItems(key, commands_[key].items);
}

QString HeadlessHost::comboText(const QString& key) const {
    return commands_.value(key).comboText;
}

void HeadlessHost::setComboText(const QString& key, const QString& text) {
    commands_[key].comboText = text;
}

QString HeadlessHost::statusPaneText(const QString& key) const {
    return panes_.value(key).text;
}

void HeadlessHost::setStatusPaneText(const QString& key, const QString& text) {
    panes_[key].text = text;
}

bool HeadlessHost::statusPaneVisible(const QString& key) const {
    return panes_.value(key).visible;
}

void HeadlessHost::setStatusPaneVisible(const QString& key, bool visible) {
    panes_[key].visible = visible;
}

}
