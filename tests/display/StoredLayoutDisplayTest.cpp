#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "aids/frmSnippets.h"
#include "platform/SettingsStore.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/DockWindow.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

class StoredLayoutDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        QDir(home()).mkpath(QStringLiteral("Snippets"));
        writeAll(homeFile(QStringLiteral("Snippets/hello.bb")), "Print \"hello\"\r\n");
        QDir(home()).mkpath(QStringLiteral("files"));
        writeAll(homeFile(QStringLiteral("files/alpha.bb")), "Print 1\r\n");
        platform::SaveSetting(QStringLiteral("FileExSettings"), QStringLiteral("LastPath"), homeFile(QStringLiteral("files")));
        platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("ComboFileTypesState"), QStringLiteral("5"));
    }

    bool showing(const char* key) const {
        QWidget* form = main->DS->dockWindow(QLatin1String(key)).form();
        return form && form->isVisible() && !form->visibleRegion().isEmpty();
    }
};

}

TEST_F(StoredLayoutDisplay, TheRaisedPanelsAndTheExplorersFolderComeBackAndTakeTheMouse) {
    showPanel(QStringLiteral("Snippets"));
    showPanel(QStringLiteral("FileExplorer"));
    restart();
    ASSERT_TRUE(main);
    EXPECT_TRUE(display::waitFor([this] { return showing("Snippets") && showing("FileExplorer"); }))
        << "the panels raised before the exit are not raised after the start";
    shot();

    auto* snippets = SnippetsPanel();
    ASSERT_TRUE(snippets);
    ASSERT_TRUE(display::waitFor([snippets] { return snippets->tvSnippets->topLevelItemCount() == 1; }));
    QTreeWidgetItem* hello = snippets->tvSnippets->topLevelItem(0);
    ASSERT_TRUE(display::click(*snippets->tvSnippets->viewport(), snippets->tvSnippets->visualItemRect(hello).center()));
    EXPECT_TRUE(display::waitFor([snippets] { return snippets->rtfPreview->toPlainText().startsWith(QLatin1String("Print")); }));

    auto* files = main->DS->dockWindow(QStringLiteral("FileExplorer")).form()->findChild<QTreeWidget*>(QStringLiteral("lvFiles"));
    ASSERT_TRUE(files);
    EXPECT_TRUE(display::waitFor([files] { return files->topLevelItemCount() == 1 && files->topLevelItem(0)->text(0) == QLatin1String("alpha.bb"); }));
    QTreeWidgetItem* alpha = files->topLevelItem(0);
    ASSERT_TRUE(display::click(*files->viewport(), files->visualItemRect(alpha).topLeft() + QPoint(20, 5)));
    EXPECT_TRUE(display::waitFor([files, alpha] { return files->currentItem() == alpha; }));
}

namespace {

// The default layout, started maximised.
class DockSizesDisplay : public KorvoWindowTest {
protected:
    // The docks on the screen (not those behind another's tab).
    QMap<QString, QSize> dockSizes() const {
        QMap<QString, QSize> sizes;
        for (dock::DockWindow* window : main->DS->dockWindows())
            if (window->isVisible() && !window->visibleRegion().isEmpty())
                sizes.insert(window->key(), window->size());
        return sizes;
    }

    static std::string text(const QMap<QString, QSize>& sizes) {
        QString out;
        for (auto it = sizes.begin(); it != sizes.end(); ++it)
            out += QStringLiteral("%1 %2x%3; ").arg(it.key()).arg(it.value().width()).arg(it.value().height());
        return out.toStdString();
    }
};

}

TEST_F(DockSizesDisplay, TheDockSizesOfTheFirstStartComeBackAtTheSecondAndTheThird) {
    ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); }));
    QMap<QString, QSize> first;
    // The maximised frame has settled when the docks stop changing.
    ASSERT_TRUE(display::waitFor([this, &first] {
        const QMap<QString, QSize> now = dockSizes();
        const bool same = now == first && !now.isEmpty();
        first = now;
        return same && main->width() > 1200;
    }));
    shot(QStringLiteral("first"));
    for (int start = 2; start <= 3; ++start) {
        restart();
        ASSERT_TRUE(main);
        ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); }));
        EXPECT_TRUE(display::waitFor([this, &first] { return dockSizes() == first; }))
            << "start " << start << ": " << text(dockSizes()) << " instead of " << text(first);
        shot(QString::number(start));
    }
}
