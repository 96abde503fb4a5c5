#include "platform/dock/DockLayer.h"

#include "platform/dock/DockEvents.h"

#include <QTabWidget>

namespace dock {
namespace {

struct DockLook {
    QTabWidget::TabPosition tabs;
    QTabWidget::TabShape shape;
    bool verticalTitleBars;
};

// By dock-window style number: "Win", "VB6", "VC6", "XP", "DotNet", "Visio2003".
constexpr DockLook kDockLooks[] = {
    {QTabWidget::South, QTabWidget::Rounded, false},    {QTabWidget::North, QTabWidget::Rounded, false},
    {QTabWidget::South, QTabWidget::Rounded, true},     {QTabWidget::South, QTabWidget::Triangular, false},
    {QTabWidget::North, QTabWidget::Triangular, false}, {QTabWidget::North, QTabWidget::Triangular, true},
};

// By command-bar style number: "95", "97", "2K", "XP", "2003".
constexpr Qt::ToolButtonStyle kBarLooks[] = {
    Qt::ToolButtonTextOnly, Qt::ToolButtonTextBesideIcon, Qt::ToolButtonFollowStyle, Qt::ToolButtonTextUnderIcon,
    Qt::ToolButtonIconOnly,
};

}

void DockLayer::setDockWindowStyle(int style) {
    if (style < 0 || style >= int(std::size(kDockLooks)))
        return;
    dockWindowStyle_ = style;
    const DockLook& look = kDockLooks[style];
    window_.setTabPosition(Qt::AllDockWidgetAreas, look.tabs);
    window_.setTabShape(look.shape);
    for (DockWindow* window : std::as_const(docks_))
        window->setFeatures(look.verticalTitleBars ? window->features() | QDockWidget::DockWidgetVerticalTitleBar
                                                   : window->features() & ~QDockWidget::DockWidgetVerticalTitleBar);
}

void DockLayer::setCommandBarStyle(int style, int commandsValue, int styleProperty) {
    if (style < 0 || style >= int(std::size(kBarLooks)))
        return;
    commandBarStyle_ = style;
    commandsValue_ = commandsValue;
    styleProperty_ = styleProperty;
    window_.setToolButtonStyle(kBarLooks[style]);
}

DockLayer::Customization::Customization(DockLayer& layer) : layer_(&layer) {
    if (layer.events_)
        layer.events_->CustomizationBegin();
}

DockLayer::Customization::~Customization() {
    if (layer_ && layer_->events_)
        layer_->events_->CustomizationEnd();
}

}
