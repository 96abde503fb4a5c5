#include "platform/dock/LayoutFile.h"

#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace dock {
namespace {

const char* const kFormat = "Korvo layout 1";

template <typename Enum, size_t N>
QString nameOf(Enum value, const std::pair<Enum, const char*> (&names)[N]) {
    for (const auto& [v, name] : names)
        if (v == value)
            return QString::fromLatin1(name);
    return {};
}

template <typename Enum, size_t N>
std::optional<Enum> valueOf(const QString& name, const std::pair<Enum, const char*> (&names)[N]) {
    for (const auto& [v, n] : names)
        if (name == QLatin1String(n))
            return v;
    return std::nullopt;
}

const std::pair<CommandKind, const char*> kCommandKinds[] = {
    {CommandKind::Plain, "plain"},   {CommandKind::Popup, "popup"},       {CommandKind::List, "list"},
    {CommandKind::WindowList, "windowList"}, {CommandKind::Combo, "combo"}, {CommandKind::Pane, "pane"},
    {CommandKind::TextPane, "textPane"}, {CommandKind::ProgressPane, "progressPane"}, {CommandKind::ClockPane, "clockPane"},
};
const std::pair<BarKind, const char*> kBarKinds[] = {
    {BarKind::MenuBar, "menuBar"}, {BarKind::ToolBar, "toolBar"}, {BarKind::StatusBar, "statusBar"},
};
const std::pair<DockArea, const char*> kDockAreas[] = {
    {DockArea::Left, "left"}, {DockArea::Right, "right"}, {DockArea::Top, "top"}, {DockArea::Bottom, "bottom"},
};

struct Fault {
    QString reason;
};

QJsonArray controlsToJson(const QList<ControlData>& controls) {
    QJsonArray array;
    for (const ControlData& c : controls) {
        QJsonObject o{{"key", c.key}};
        if (c.groupStart)
            o.insert("groupStart", true);
        array.append(o);
    }
    return array;
}

QJsonObject commandToJson(const CommandData& c) {
    QJsonObject o{{"key", c.key}, {"kind", nameOf(c.kind, kCommandKinds)}, {"caption", c.caption}};
    auto putText = [&o](const char* name, const QString& value) {
        if (!value.isEmpty())
            o.insert(QLatin1String(name), value);
    };
    putText("group", c.group);
    putText("category", c.category);
    putText("picture", c.picture);
    if (!c.shortcuts.isEmpty())
        o.insert("shortcuts", QJsonArray::fromStringList(c.shortcuts));
    putText("text", c.text);
    if (c.checked)
        o.insert("checked", c.checked);
    if (!c.enabled)
        o.insert("enabled", false);
    if (!c.visible)
        o.insert("visible", false);
    if (c.autoRepeat)
        o.insert("autoRepeat", true);
    if (!c.controls.isEmpty())
        o.insert("controls", controlsToJson(c.controls));
    if (!c.items.isEmpty()) {
        QJsonArray items;
        for (const ListItemData& item : c.items)
            items.append(QJsonObject{{"caption", item.caption}, {"key", item.key}});
        o.insert("items", items);
    }
    if (c.maxItems)
        o.insert("maxItems", c.maxItems);
    if (c.editable)
        o.insert("editable", true);
    if (c.width)
        o.insert("width", c.width);
    if (c.stretch)
        o.insert("stretch", true);
    return o;
}

QString text(const QJsonObject& o, const char* name) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isUndefined() && !v.isString())
        throw Fault{QStringLiteral("'%1' is not text").arg(QLatin1String(name))};
    return v.toString();
}

int number(const QJsonObject& o, const char* name) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isUndefined() && !v.isDouble())
        throw Fault{QStringLiteral("'%1' is not a number").arg(QLatin1String(name))};
    return v.toInt();
}

bool flag(const QJsonObject& o, const char* name, bool defaultValue) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isUndefined() && !v.isBool())
        throw Fault{QStringLiteral("'%1' is not true or false").arg(QLatin1String(name))};
    return v.toBool(defaultValue);
}

QJsonArray array(const QJsonObject& o, const char* name) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isUndefined() && !v.isArray())
        throw Fault{QStringLiteral("'%1' is not a list").arg(QLatin1String(name))};
    return v.toArray();
}

QJsonObject object(const QJsonValue& v) {
    if (!v.isObject())
        throw Fault{QStringLiteral("an entry is not an object")};
    return v.toObject();
}

QString requiredKey(const QJsonObject& o) {
    const QString key = text(o, "key");
    if (key.isEmpty())
        throw Fault{QStringLiteral("an entry has no key")};
    return key;
}

template <typename Enum, size_t N>
Enum requiredKind(const QJsonObject& o, const char* name, const std::pair<Enum, const char*> (&names)[N]) {
    const std::optional<Enum> kind = valueOf(text(o, name), names);
    if (!kind)
        throw Fault{QStringLiteral("unknown %1 '%2'").arg(QLatin1String(name), text(o, name))};
    return *kind;
}

QList<ControlData> controlsFromJson(const QJsonObject& o) {
    QList<ControlData> controls;
    for (const QJsonValue& v : array(o, "controls")) {
        const QJsonObject c = object(v);
        controls.append({requiredKey(c), flag(c, "groupStart", false)});
    }
    return controls;
}

CommandData commandFromJson(const QJsonObject& o) {
    CommandData c;
    c.key = requiredKey(o);
    c.kind = requiredKind(o, "kind", kCommandKinds);
    c.caption = text(o, "caption");
    c.group = text(o, "group");
    c.category = text(o, "category");
    c.picture = text(o, "picture");
    // Layouts written before a command could have several shortcuts hold one.
    if (const QString single = text(o, "shortcut"); !single.isEmpty())
        c.shortcuts.append(single);
    for (const QJsonValue& v : array(o, "shortcuts")) {
        if (!v.isString())
            throw Fault{QStringLiteral("a shortcut is not text")};
        c.shortcuts.append(v.toString());
    }
    c.text = text(o, "text");
    c.checked = number(o, "checked") ? 1 : 0;
    c.enabled = flag(o, "enabled", true);
    c.visible = flag(o, "visible", true);
    c.autoRepeat = flag(o, "autoRepeat", false);
    c.controls = controlsFromJson(o);
    for (const QJsonValue& v : array(o, "items")) {
        const QJsonObject item = object(v);
        c.items.append({text(item, "caption"), text(item, "key")});
    }
    c.maxItems = qMax(0, number(o, "maxItems"));
    c.editable = flag(o, "editable", false);
    c.width = qMax(0, number(o, "width"));
    c.stretch = flag(o, "stretch", false);
    return c;
}

void checkControls(const QList<ControlData>& controls, const QSet<QString>& commandKeys, const QString& owner) {
    for (const ControlData& c : controls)
        if (!commandKeys.contains(c.key))
            throw Fault{QStringLiteral("'%1' places the unknown command '%2'").arg(owner, c.key)};
}

LayoutData parse(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw Fault{error.errorString()};
    if (!document.isObject())
        throw Fault{QStringLiteral("not a Korvo layout")};
    const QJsonObject root = document.object();
    if (text(root, "format") != QLatin1String(kFormat))
        throw Fault{QStringLiteral("not a Korvo layout")};

    LayoutData layout;
    QSet<QString> commandKeys;
    for (const QJsonValue& v : array(root, "commands")) {
        CommandData c = commandFromJson(object(v));
        if (commandKeys.contains(c.key))
            throw Fault{QStringLiteral("command '%1' appears twice").arg(c.key)};
        commandKeys.insert(c.key);
        layout.commands.append(std::move(c));
    }
    QSet<QString> barKeys;
    for (const QJsonValue& v : array(root, "bars")) {
        const QJsonObject o = object(v);
        BarData bar{requiredKind(o, "kind", kBarKinds), requiredKey(o), text(o, "caption"), flag(o, "visible", true),
                    controlsFromJson(o)};
        if (barKeys.contains(bar.key))
            throw Fault{QStringLiteral("bar '%1' appears twice").arg(bar.key)};
        barKeys.insert(bar.key);
        checkControls(bar.controls, commandKeys, bar.key);
        layout.bars.append(std::move(bar));
    }
    for (const CommandData& c : layout.commands)
        checkControls(c.controls, commandKeys, c.key);
    QSet<QString> dockKeys;
    for (const QJsonValue& v : array(root, "docks")) {
        const QJsonObject o = object(v);
        DockData dockData{requiredKey(o), text(o, "caption"), requiredKind(o, "area", kDockAreas), flag(o, "visible", true)};
        if (dockKeys.contains(dockData.key))
            throw Fault{QStringLiteral("dock window '%1' appears twice").arg(dockData.key)};
        dockKeys.insert(dockData.key);
        layout.docks.append(std::move(dockData));
    }
    const QString state = text(root, "windowState");
    layout.windowState = QByteArray::fromBase64(state.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (layout.windowState.isEmpty() && !state.isEmpty())
        throw Fault{QStringLiteral("the window state is not base64")};
    return layout;
}

}

QString commandKindName(CommandKind kind) {
    return nameOf(kind, kCommandKinds);
}

QByteArray layoutToJson(const LayoutData& layout) {
    QJsonArray commands;
    for (const CommandData& c : layout.commands)
        commands.append(commandToJson(c));
    QJsonArray bars;
    for (const BarData& b : layout.bars) {
        QJsonObject o{{"key", b.key}, {"kind", nameOf(b.kind, kBarKinds)}, {"caption", b.caption}};
        if (!b.visible)
            o.insert("visible", false);
        o.insert("controls", controlsToJson(b.controls));
        bars.append(o);
    }
    QJsonArray docks;
    for (const DockData& d : layout.docks) {
        QJsonObject o{{"key", d.key}, {"caption", d.caption}, {"area", nameOf(d.area, kDockAreas)}};
        if (!d.visible)
            o.insert("visible", false);
        docks.append(o);
    }
    QJsonObject root{{"format", QLatin1String(kFormat)}, {"commands", commands}, {"bars", bars}, {"docks", docks}};
    if (!layout.windowState.isEmpty())
        root.insert("windowState", QString::fromLatin1(layout.windowState.toBase64()));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<LayoutData> layoutFromJson(const QByteArray& json, QString* reason) {
    try {
        return parse(json);
    } catch (const Fault& fault) {
        if (reason)
            *reason = fault.reason;
        return std::nullopt;
    }
}

std::optional<LayoutData> readLayoutFile(const QString& path, QString* reason) {
    QByteArray bytes;
    if (!platform::readFileBytes(path, bytes)) {
        if (reason)
            *reason = QStringLiteral("cannot read ") + path;
        return std::nullopt;
    }
    return layoutFromJson(bytes, reason);
}

bool writeLayoutFile(const QString& path, const LayoutData& layout) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return platform::writeFileBytesAtomically(path, layoutToJson(layout));
}

}
