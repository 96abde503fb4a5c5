#include "shell/HostSeams.h"

#include "build/CommandCombos.h"
#include "build/CommandLists.h"
#include "editor/DocumentCaption.h"
#include "platform/DocumentWindows.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"
#include "shell/RecentMenu.h"

#include <QPointer>

namespace {

// A list command or a combo seen as the interfaces the fillers use.
class CommandItems : public RecentMenu, public CommandCombo, public CommandList {
public:
    explicit CommandItems(dock::Command* command) : command_(command) {}

    void RemoveAll() override { Clear(); }
    void Clear() override {
        if (command_)
            command_->clearItems();
    }
    void AddItem(const QString& caption, const QString& key) override {
        if (command_)
            command_->addItem(caption, key);
    }
    void AddEntry(const QString& caption) override { AddItem(caption, caption); }
    int Count() const override { return command_ ? int(command_->items().size()) : 0; }
    QString ItemPath(int position) const override {
        return command_ && position >= 1 && position <= Count() ? command_->items()[position - 1].key : QString();
    }

private:
    QPointer<dock::Command> command_;
};

CommandItems recentFiles{nullptr};
CommandItems recentProjects{nullptr};

}

void InstallHostSeams(dock::DockLayer* layer) {
    dock::setHostLayer(layer);
    if (!layer) {
        platform::setDocumentWindowCounter({});
        setDocumentCaptionSetter({});
        setRecentMenu(QStringLiteral("FileRecentFiles"), nullptr);
        setRecentMenu(QStringLiteral("FileRecentProjects"), nullptr);
        SetCommandComboFinder({});
        SetCommandListFinder({});
        return;
    }
    QPointer<dock::DockLayer> guard(layer);
    platform::setDocumentWindowCounter([guard] { return guard ? guard->documents().windowCount() : 0; });
    setDocumentCaptionSetter([guard](const QString& key, const QString& caption) {
        if (dock::DocumentWindow* window = guard ? guard->documents().find(key) : nullptr)
            guard->documents().setCaption(*window, caption);
    });
    recentFiles = CommandItems(layer->findCommand(QStringLiteral("FileRecentFiles")));
    recentProjects = CommandItems(layer->findCommand(QStringLiteral("FileRecentProjects")));
    setRecentMenu(QStringLiteral("FileRecentFiles"), &recentFiles);
    setRecentMenu(QStringLiteral("FileRecentProjects"), &recentProjects);
    SetCommandComboFinder([guard](const QString& key) -> CommandCombo* {
        static CommandItems combo{nullptr};
        dock::Command* command = guard ? guard->findCommand(key) : nullptr;
        if (!command || command->kind() != dock::CommandKind::Combo)
            return nullptr;
        combo = CommandItems(command);
        return &combo;
    });
    SetCommandListFinder([guard](const QString& key) -> CommandList* {
        static CommandItems list{nullptr};
        dock::Command* command = guard ? guard->findCommand(key) : nullptr;
        if (!command || command->kind() != dock::CommandKind::List)
            return nullptr;
        list = CommandItems(command);
        return &list;
    });
}
