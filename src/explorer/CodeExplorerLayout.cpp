#include "explorer/CodeExplorerLayout.h"

#include "explorer/ExplorerIcons.h"
#include "platform/dock/DockLayer.h"

namespace {

struct ExplorerCommand {
    const char* key;
    const char* caption;
    const char* tooltip;
    const char* picture;
};

constexpr ExplorerCommand kCommands[] = {
    {"Functions", "Functions", "", "imgFunctions"},
    {"Types", "Types", "", "imgTypes"},
    {"Labels", "Labels", "", "imgLabels"},
    {"Globals", "Globals", "", "imgGlobals"},
    {"Constants", "Constants", "Constants", "imgConstants"},
    {"Arrays", "Arrays", "Arrays", "imgArrays"},
    {"Includes", "Includes", "Includes", "imgIncludes"},
    {"Project", "", "Show from whole project", "Project"},
    {"File", "", "Show from current file only", "File"},
    {"OpenInclude", "Open in Korvo", "", "imgIncludes"},
};

const char* const kToolBar[] = {"Functions", "Types", "Globals", "Arrays", "Constants", "Labels", "Includes", "Project", "File"};

}

dock::LayoutData CodeExplorerLayout() {
    dock::LayoutData layout;
    for (const ExplorerCommand& command : kCommands) {
        dock::CommandData data;
        data.key = QString::fromLatin1(command.key);
        data.caption = QString::fromLatin1(command.caption);
        data.group = QStringLiteral("CodeExplorer");
        layout.commands.append(data);
    }
    dock::CommandData popup;
    popup.kind = dock::CommandKind::Popup;
    popup.key = QStringLiteral("CodeExPopupMenu");
    layout.commands.append(popup);

    dock::BarData bar;
    bar.key = QStringLiteral("CodeExplorer");
    bar.caption = QStringLiteral("Code Explorer");
    for (const char* key : kToolBar)
        bar.controls.append({QString::fromLatin1(key), QLatin1String(key) == QLatin1String("Project")});
    layout.bars.append(bar);
    return layout;
}

void ApplyCodeExplorerLayout(dock::DockLayer& layer) {
    layer.applyLayout(CodeExplorerLayout());
    for (const ExplorerCommand& command : kCommands) {
        QAction* action = layer.command(QString::fromLatin1(command.key)).action();
        action->setIcon(ExplorerIcon(QString::fromLatin1(command.picture)));
        if (*command.tooltip)
            action->setToolTip(QString::fromLatin1(command.tooltip));
    }
}
