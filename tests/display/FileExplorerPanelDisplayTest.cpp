#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QTreeWidget>

namespace {

class FileExplorerPanelDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        QDir(home()).mkpath(QStringLiteral("files"));
        writeAll(homeFile(QStringLiteral("files/alpha.bb")), "Print \"alpha\"\r\n");
        writeAll(homeFile(QStringLiteral("files/beta.bb")), "Print \"beta\"\r\n");
        platform::SaveSetting(QStringLiteral("FileExSettings"), QStringLiteral("LastPath"), homeFile(QStringLiteral("files")));
    }

    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        QWidget* panel = showPanel(QStringLiteral("FileExplorer"));
        ASSERT_TRUE(panel);
        files = panel->findChild<QTreeWidget*>(QStringLiteral("lvFiles"));
        ASSERT_TRUE(files);
        ASSERT_TRUE(display::waitFor([this] { return row(QStringLiteral("alpha.bb")) != nullptr; }));
    }

    QTreeWidgetItem* row(const QString& name) const {
        for (int i = 0; i < files->topLevelItemCount(); ++i)
            if (files->topLevelItem(i)->text(0) == name)
                return files->topLevelItem(i);
        return nullptr;
    }
    QPoint rowPoint(const QString& name) const {
        QTreeWidgetItem* item = row(name);
        return item ? files->visualItemRect(item).center() - QPoint(files->visualItemRect(item).width() / 2 - 20, 0) : QPoint();
    }

    QTreeWidget* files = nullptr;
};

}

TEST_F(FileExplorerPanelDisplay, AClickSelectsADoubleClickOpensAndTheRightButtonOpensTheMenu) {
    ASSERT_TRUE(display::click(*files->viewport(), rowPoint(QStringLiteral("beta.bb"))));
    EXPECT_TRUE(display::waitFor([this] { return files->currentItem() == row(QStringLiteral("beta.bb")); }))
        << (files->currentItem() ? files->currentItem()->text(0).toStdString() : std::string("none")) << " " << files->topLevelItemCount();

    const QStringList menu = popupAfter([this] { display::rightClick(*files->viewport(), rowPoint(QStringLiteral("alpha.bb"))); });
    EXPECT_TRUE(menu.contains(QStringLiteral("Open"))) << menu.join(QLatin1String(", ")).toStdString();

    ASSERT_TRUE(display::doubleClick(*files->viewport(), rowPoint(QStringLiteral("alpha.bb"))));
    EXPECT_TRUE(display::waitFor([] { return gActiveDoc && gActiveDoc->FullFilename.endsWith(QLatin1String("alpha.bb")); }));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "Print \"alpha\"\r\n"; })) << editorText().toStdString();
    shot();
}

TEST_F(FileExplorerPanelDisplay, AFileDraggedIntoTheEditorInsertsItsNameAndTheEditorTakesTheKeys) {
    openDocument(QStringLiteral("main.bb"), "");
    showPanel(QStringLiteral("FileExplorer"));
    ASSERT_TRUE(display::drag(*files->viewport(), rowPoint(QStringLiteral("alpha.bb")), *editorViewport()));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "alpha.bb"; })) << editorText().toStdString();
    // Below the one line the click puts the caret at its end.
    ASSERT_TRUE(display::typeAt(*editorViewport(), QStringLiteral(" = 1")));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "alpha.bb = 1"; })) << editorText().toStdString();
}
