#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "platform/Prompt.h"
#include "shell/CustomizeDialog.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include <string>

namespace {

class CustomizeDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        // The dialog shows for real; every other question takes its default answer.
        platform::setPromptHandler([](const platform::PromptRequest& request) {
            if (request.kind == platform::PromptKind::ModalForm && request.title == QLatin1String("Korvo - Customize UI")) {
                platform::PromptAnswer shown;
                shown.button = -1;
                return shown;
            }
            return platform::defaultAnswer(request);
        });
    }

    std::string menuTitles() const {
        std::string titles;
        for (QAction* action : main->menuBar()->actions())
            if (action->isVisible())
                titles += action->text().remove(QLatin1Char('&')).toStdString() + ';';
        return titles;
    }
};

}

TEST_F(CustomizeDisplay, TheMenuBarShowsNoEditorMenuWhileTheDialogIsOpen) {
    // The editor's popup is the one that strayed into the menu bar.
    openDocument(QStringLiteral("game.bb"), "Print 1\r\n");
    const std::string before = menuTitles();
    ASSERT_EQ(before.find("Editor"), std::string::npos);
    std::string during;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CustomizeDialog*>(QApplication::activeModalWidget());
        if (!during.empty() || !dialog || !dialog->windowHandle() || !dialog->windowHandle()->isExposed())
            return;
        during = menuTitles();
        shot(QStringLiteral("open"));
        display::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    });
    watcher.start(20);
    chooseFromMenuBar(QStringLiteral("Settings"), QStringLiteral("Customize UI"));
    ASSERT_TRUE(display::waitFor([&] { return !during.empty() && !QApplication::activeModalWidget(); }, 10000))
        << "the Customize UI dialog did not show and close";
    EXPECT_EQ(during, before);
    EXPECT_EQ(menuTitles(), before);
}
