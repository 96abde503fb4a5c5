#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a docking layout holds, as plain values: the commands with their
// state, the command bars and the dock windows. Document windows are never
// part of a layout.
namespace dock {

// Panes: Pane shows text, TextPane hosts a widget, ClockPane the time of day.
enum class CommandKind { Plain, Popup, List, WindowList, Combo, Pane, TextPane, ProgressPane, ClockPane };

// A place of a command in a popup or a command bar.
struct ControlData {
    QString key;
    bool groupStart = false;  // a separator before it
    bool operator==(const ControlData&) const = default;
};

struct ListItemData {
    QString caption;
    QString key;  // the path or window key the entry stands for
    bool operator==(const ListItemData&) const = default;
};

struct CommandData {
    CommandKind kind = CommandKind::Plain;
    QString key;
    QString caption;
    QString group;
    QString category;
    QString picture;
    QStringList shortcuts;  // portable QKeySequence texts; the first is shown in menus
    int checked = 0;   // 0 or 1
    bool enabled = true;
    bool visible = true;
    bool autoRepeat = false;
    QList<ControlData> controls;  // popups: their entries
    QList<ListItemData> items;    // lists and combos
    int maxItems = 0;             // lists: 0 means no limit
    QString text;                 // combos and panes
    bool editable = false;        // combos: the user may type
    int width = 0;                // panes, twips; 0 fits the content
    bool stretch = false;         // panes: takes the room left over
    bool operator==(const CommandData&) const = default;
};

enum class BarKind { MenuBar, ToolBar, StatusBar };

struct BarData {
    BarKind kind = BarKind::ToolBar;
    QString key;
    QString caption;
    bool visible = true;
    QList<ControlData> controls;
    bool operator==(const BarData&) const = default;
};

enum class DockArea { Left, Right, Top, Bottom };

// Dock windows of one area share it as tabs, in layout order, unless the
// layout's window state places them otherwise.
struct DockData {
    QString key;
    QString caption;
    DockArea area = DockArea::Left;
    bool visible = true;
    bool operator==(const DockData&) const = default;
};

struct LayoutData {
    QList<CommandData> commands;
    QList<BarData> bars;
    QList<DockData> docks;
    QByteArray windowState;  // QMainWindow::saveState, empty for none
    bool operator==(const LayoutData&) const = default;
};

}
