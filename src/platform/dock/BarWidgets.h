#pragma once

#include "platform/dock/Command.h"
#include "platform/dock/CommandBar.h"

#include <QHash>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QToolBar>

// The widgets that show the command bars: the menu bar, the tool bars and
// the status bar of the host window, rebuilt from the bars' entries. Each
// widget follows the command it shows; popups fill their menus when shown.
namespace dock {

class DockLayer;

class BarWidgets {
public:
    explicit BarWidgets(DockLayer& layer);

    void rebuildAll();
    void rebuild(const CommandBar& bar);
    // Drops the tool bar of a bar that left the layout.
    void forget(const QString& barKey);
    void fillMenu(QMenu& menu, const Command& popup);
    QToolBar* toolBar(const QString& barKey) const { return toolBars_.value(barKey); }

private:
    void rebuildMenuBar(const CommandBar& bar);
    void rebuildToolBar(const CommandBar& bar);
    void rebuildStatusBar(const CommandBar& bar);
    void addToMenu(QMenu& menu, Command& command);
    QWidget* comboWidget(Command& command, QWidget* parent);
    QWidget* paneWidget(Command& command, QWidget* parent);

    DockLayer& layer_;
    QHash<QString, QToolBar*> toolBars_;
    QHash<QString, QList<QPointer<QWidget>>> toolWidgets_;
    QList<QPointer<QWidget>> statusWidgets_;
};

}
