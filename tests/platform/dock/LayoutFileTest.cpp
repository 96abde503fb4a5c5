#include "platform/dock/LayoutFile.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSet>

using namespace dock;

namespace {

LayoutData smallLayout() {
    LayoutData layout;
    CommandData save;
    save.key = QStringLiteral("Save File");
    save.caption = QStringLiteral("Save File");
    save.category = QStringLiteral("Sci");
    save.shortcuts = {QStringLiteral("Ctrl+S"), QStringLiteral("F12")};
    save.checked = 1;
    CommandData recent;
    recent.kind = CommandKind::List;
    recent.key = QStringLiteral("FileRecentFiles");
    recent.items = {{QStringLiteral("a.bb"), QStringLiteral("/x/a.bb")}};
    recent.maxItems = 10;
    CommandData file;
    file.kind = CommandKind::Popup;
    file.key = QStringLiteral("File");
    file.controls = {{QStringLiteral("Save File"), false}, {QStringLiteral("FileRecentFiles"), true}};
    layout.commands = {save, recent, file};
    layout.bars = {{BarKind::MenuBar, QStringLiteral("MainMenu"), QStringLiteral("Menu"), true, {{QStringLiteral("File"), false}}}};
    layout.docks = {{QStringLiteral("Output"), QStringLiteral("Output window"), DockArea::Bottom, false}};
    layout.windowState = QByteArray("\x00\x01state", 7);
    return layout;
}

}

TEST(LayoutFile, RoundTripKeepsEveryValue) {
    const LayoutData layout = smallLayout();
    const std::optional<LayoutData> back = layoutFromJson(layoutToJson(layout));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, layout);
}

TEST(LayoutFile, AnyFaultGivesNoLayout) {
    QByteArray json = layoutToJson(smallLayout());
    const QList<QPair<QByteArray, QByteArray>> faults = {
        {"\"kind\": \"popup\"", "\"kind\": \"balloon\""},
        {"\"key\": \"FileRecentFiles\"", "\"key\": \"Save File\""},
        {"\"key\": \"File\"\n", "\"key\": \"Files\"\n"},
        {"\"area\": \"bottom\"", "\"area\": 3"},
        {"Korvo layout 1", "Korvo layout 9"},
    };
    for (const auto& [from, to] : faults) {
        QByteArray broken = json;
        ASSERT_TRUE(broken.contains(from)) << from.constData();
        broken.replace(from, to);
        QString reason;
        EXPECT_FALSE(layoutFromJson(broken, &reason)) << to.constData();
        EXPECT_FALSE(reason.isEmpty());
    }
    EXPECT_FALSE(layoutFromJson(json.left(json.size() / 2)));
    EXPECT_FALSE(layoutFromJson("[]"));
}

TEST(LayoutFile, ALayoutOfOneShortcutPerCommandStillReads) {
    QByteArray json = layoutToJson(smallLayout());
    const QByteArray shortcuts = "\"shortcuts\": [\n                \"Ctrl+S\",\n                \"F12\"\n            ]";
    ASSERT_TRUE(json.contains(shortcuts));
    json.replace(shortcuts, "\"shortcut\": \"Ctrl+S\"");
    const std::optional<LayoutData> layout = layoutFromJson(json);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->commands[0].shortcuts, QStringList{QStringLiteral("Ctrl+S")});
    EXPECT_FALSE(layoutFromJson(layoutToJson(smallLayout()).replace("\"F12\"", "12")));
}

class LayoutFiles : public KorvoTest {};

TEST_F(LayoutFiles, WritingCreatesTheFolderAndReplacesWhole) {
    const QString path = homeFile(QStringLiteral("Layouts/Layout0.8_0.mp"));
    ASSERT_TRUE(writeLayoutFile(path, smallLayout()));
    EXPECT_EQ(readLayoutFile(path), smallLayout());
    EXPECT_EQ(QDir(homeFile(QStringLiteral("Layouts"))).entryList(QDir::Files), QStringList{QStringLiteral("Layout0.8_0.mp")});
    EXPECT_FALSE(readLayoutFile(homeFile(QStringLiteral("missing.mp"))));
}

TEST(DefaultLayout, HoldsTheCommandsBarsPanesAndDocksTheShellNeeds) {
    const std::optional<LayoutData> layout = readLayoutFile(QStringLiteral(KORVO_SOURCE_DIR "/data/Layout.mp"));
    ASSERT_TRUE(layout);
    QSet<QString> keys;
    for (const CommandData& c : layout->commands)
        keys.insert(c.key);
    for (const char* key : {"New Line", "Exit", "Review Declarations", "Save All Files", "Strict Mode", "WindowList",
                            "FileRecentFiles", "Set As Main File", "Edit As File", "New Vertical Tab Group"})
        EXPECT_EQ(keys.contains(QLatin1String(key)),
                  QByteArray(key) != "Review Declarations" && QByteArray(key) != "Save All Files" && QByteArray(key) != "Strict Mode")
            << key;
    for (const char* popup : {"File", "Edit", "View", "Insert", "Compile", "Project", "Settings", "Window", "Help",
                              "PopupMenu1", "TabsContextMenu", "ProjectManagerPopupMenu", "SnippetsPopupMenu"})
        EXPECT_TRUE(keys.contains(QLatin1String(popup))) << popup;

    QStringList bars;
    for (const BarData& bar : layout->bars)
        bars.append(bar.key);
    EXPECT_EQ(bars, (QStringList{"MainMenu", "Standard", "CompilerToolBar", "Command Line", "StatusBar"}));
    QStringList panes;
    for (const ControlData& control : layout->bars.last().controls)
        panes.append(control.key);
    EXPECT_EQ(panes, (QStringList{"StatusMain", "Edit1", "Position", "StatusProgressBar", "StatusTime"}));
    for (const CommandData& c : layout->commands) {
        if (c.key == QLatin1String("StatusProgressBar")) {
            EXPECT_FALSE(c.visible);
        }
    }
    QStringList docks;
    for (const DockData& d : layout->docks)
        docks.append(d.key);
    EXPECT_EQ(docks, (QStringList{"Projects", "FileExplorer", "CodeExplorer", "Snippets", "Output"}));
    EXPECT_TRUE(layout->windowState.isEmpty());

    // The built-in copy is the same file.
    EXPECT_EQ(readLayoutFile(QStringLiteral(":/Layout.mp")), layout);
}
