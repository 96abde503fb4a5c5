#include "explorer/HelpLayout.h"

#include "platform/dock/LayoutFile.h"

namespace {

using dock::CommandKind;

struct HelpCommand {
    CommandKind kind;
    const char* key;
    const char* caption;
};

const HelpCommand kHelpCommands[] = {
    {CommandKind::Plain, "Back", "Back"},
    {CommandKind::Plain, "Forward", "Forward"},
    {CommandKind::Plain, "Refresh", "Refresh"},
    {CommandKind::Plain, "Stop", "Stop"},
    {CommandKind::Plain, "Home", "Home"},
    {CommandKind::Plain, "Commands", "Commands Reference"},
    {CommandKind::Plain, "Back To Code", "Back To Code"},
    {CommandKind::Combo, "cboAddress", "Address"},
    {CommandKind::WindowList, "Tabs", "(List of Current Windows)"},
    {CommandKind::Plain, "Close", "Close"},
    {CommandKind::Plain, "Close All", "Close All"},
    {CommandKind::Plain, "New Blank Window", "New Blank Window"},
    {CommandKind::Plain, "New Current Window", "New Current Window"},
    {CommandKind::Popup, "Tabs Menu", "Tabs"},
    {CommandKind::Popup, "CaptionContextPopup", "Tab"},
};

QList<dock::ControlData> controls(std::initializer_list<const char*> keys, std::initializer_list<const char*> groupStarts = {}) {
    QList<dock::ControlData> list;
    for (const char* key : keys) {
        bool groupStart = false;
        for (const char* start : groupStarts)
            groupStart = groupStart || qstrcmp(start, key) == 0;
        list.append({QString::fromLatin1(key), groupStart});
    }
    return list;
}

}

dock::LayoutData BuiltInHelpLayout() {
    dock::LayoutData layout;
    for (const HelpCommand& entry : kHelpCommands) {
        dock::CommandData command;
        command.kind = entry.kind;
        command.key = QString::fromLatin1(entry.key);
        command.caption = QString::fromLatin1(entry.caption);
        command.group = QStringLiteral("Help");
        if (entry.kind == CommandKind::Combo)
            command.editable = true;
        layout.commands.append(command);
    }
    const auto tabEntries = controls({"New Blank Window", "New Current Window", "Tabs", "Close", "Close All"}, {"Tabs", "Close"});
    for (dock::CommandData& command : layout.commands)
        if (command.kind == CommandKind::Popup)
            command.controls = tabEntries;
    dock::BarData toolBar;
    toolBar.key = QStringLiteral("HelpToolBar");
    toolBar.caption = QStringLiteral("Help");
    toolBar.controls = controls({"Back", "Forward", "Stop", "Refresh", "Home", "Commands", "Back To Code", "cboAddress", "Tabs Menu"},
                                {"Home", "Back To Code", "cboAddress"});
    layout.bars.append(toolBar);
    return layout;
}

std::optional<dock::LayoutData> ReadHelpLayout(const QString& path) {
    std::optional<dock::LayoutData> layout = dock::readLayoutFile(path);
    if (!layout)
        return std::nullopt;
    for (const HelpCommand& entry : kHelpCommands) {
        const bool present = std::any_of(layout->commands.begin(), layout->commands.end(), [&entry](const dock::CommandData& c) {
            return c.key == QLatin1String(entry.key) && c.kind == entry.kind;
        });
        if (!present)
            return std::nullopt;
    }
    return layout;
}
