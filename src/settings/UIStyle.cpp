#include "settings/UIStyle.h"

#include "foundation/errors/ErrorLog.h"
#include "platform/SettingsStore.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"

#include <QApplication>

namespace {

constexpr DockWindowStyle kDockWindowStyles[] = {
    {"Win", 0, "Windows"}, {"VB6", 1, "VB6"},   {"VC6", 2, "VC6"}, {"XP", 3, "Office XP"},
    {"DotNet", 4, "VisualStudio.Net"}, {"Visio2003", 5, "Visio 2003"},
};

constexpr CommandBarStyle kCommandBarStyles[] = {
    {"95", 0, "Office 95", false, false},   {"97", 1, "Office 97", true, false},
    {"2K", 2, "Office 2000", true, false},  {"XP", 3, "Office XP", true, false},
    {"2003", 4, "Office 2003", false, false}, {"VS2005", 4, "Visual Studio 2005", false, true},
};

// Drawing of the main window off for a scope, on again however it ends.
class SuspendedDrawing {
public:
    explicit SuspendedDrawing(dock::DockLayer& layer) : layer_(layer) { layer_.setRedraw(false); }
    ~SuspendedDrawing() { layer_.setRedraw(true); }
    SuspendedDrawing(const SuspendedDrawing&) = delete;
    SuspendedDrawing& operator=(const SuspendedDrawing&) = delete;

private:
    dock::DockLayer& layer_;
};

}

std::span<const DockWindowStyle> DockWindowStyles() {
    return kDockWindowStyles;
}

std::span<const CommandBarStyle> CommandBarStyles() {
    return kCommandBarStyles;
}

const DockWindowStyle* FindDockWindowStyle(const QString& name) {
    for (const DockWindowStyle& style : kDockWindowStyles)
        if (name == QLatin1String(style.name))
            return &style;
    return nullptr;
}

const CommandBarStyle* FindCommandBarStyle(const QString& name) {
    for (const CommandBarStyle& style : kCommandBarStyles)
        if (name == QLatin1String(style.name))
            return &style;
    return nullptr;
}

void ApplyDockWindowStyle(const DockWindowStyle& style) {
    if (dock::DockLayer* main = dock::hostLayer()) {
        const SuspendedDrawing suspended(*main);
        main->setDockWindowStyle(style.number);
    }
}

void ApplyCommandBarStyle(const CommandBarStyle& style, int styleProperty) {
    dock::DockLayer* main = dock::hostLayer();
    if (!main)
        return;
    const SuspendedDrawing suspended(*main);
    for (dock::DockLayer* layer : dock::DockLayer::layers()) {
        const int commandsValue = layer == main && style.setsCommandsValue ? 2 : layer->commandsValue();
        layer->setCommandBarStyle(style.number, commandsValue, style.setsStyleProperty ? styleProperty : 0);
    }
}

void ApplyUIStyle() {
    try {
        const QString dockStyle = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("UIDockWndStyle"), QStringLiteral("Win"));
        const QString barStyle = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("UICmdBarsStyle"), QStringLiteral("2K"));
        if (const DockWindowStyle* style = FindDockWindowStyle(dockStyle))
            ApplyDockWindowStyle(*style);
        if (const CommandBarStyle* style = FindCommandBarStyle(barStyle))
            ApplyCommandBarStyle(*style, 3);
    } catch (...) {
        SetErrorLog(QStringLiteral("ApplyUIStyle"), QStringLiteral("Mod_Funkcii"));
    }
}

void ApplyVisualStyleSetting() {
    bool isNumber = false;
    const int visuals = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("UseWinXPVisuals"), QStringLiteral("1")).toInt(&isNumber);
    if (isNumber && visuals == 0)
        QApplication::setStyle(QStringLiteral("Windows"));
}
