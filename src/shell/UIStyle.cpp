#include "shell/UIStyle.h"

#include "foundation/errors/ErrorLog.h"
#include "platform/SettingsStore.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"

#include <optional>

namespace {

const std::pair<const char*, int> kDockWindowStyles[] = {
    {"Win", 0}, {"VB6", 1}, {"VC6", 2}, {"XP", 3}, {"DotNet", 4}, {"Visio2003", 5},
};

struct CommandBarStyle {
    const char* name;
    int style;
    int commandsValue;
    int styleProperty;
};

const CommandBarStyle kCommandBarStyles[] = {
    {"95", 0, 0, 0}, {"97", 1, 2, 0}, {"2K", 2, 2, 0}, {"XP", 3, 2, 0}, {"2003", 4, 0, 0}, {"VS2005", 4, 0, 3},
};

std::optional<int> dockWindowStyle(const QString& name) {
    for (const auto& [styleName, style] : kDockWindowStyles)
        if (name == QLatin1String(styleName))
            return style;
    return std::nullopt;
}

const CommandBarStyle* commandBarStyle(const QString& name) {
    for (const CommandBarStyle& style : kCommandBarStyles)
        if (name == QLatin1String(style.name))
            return &style;
    return nullptr;
}

}

void ApplyUIStyle() {
    dock::DockLayer* main = dock::hostLayer();
    if (!main)
        return;
    try {
        const QString dockStyle = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("UIDockWndStyle"), QStringLiteral("Win"));
        const QString barStyle = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("UICmdBarsStyle"), QStringLiteral("2K"));
        main->setRedraw(false);
        if (const std::optional<int> style = dockWindowStyle(dockStyle))
            main->setDockWindowStyle(*style);
        if (const CommandBarStyle* style = commandBarStyle(barStyle))
            for (dock::DockLayer* layer : dock::DockLayer::layers())
                layer->setCommandBarStyle(style->style, style->commandsValue, style->styleProperty);
        main->setRedraw(true);
    } catch (...) {
        main->setRedraw(true);
        SetErrorLog(QStringLiteral("ApplyUIStyle"), QStringLiteral("Mod_Funkcii"));
    }
}
