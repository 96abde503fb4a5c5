#include "display/DisplayInput.h"
#include "display/KorvoProcess.h"
#include "display/KorvoWindowFixture.h"

#include "shell/frmMain.h"

#include "platform/SettingsStore.h"
#include "shell/LayoutSlots.h"

#include <QDir>

#include <memory>
#include <vector>

namespace {

// Whole starts and exits of the korvo program on a program folder of its own.
class StartUpDisplay : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        PrepareProgramFolder(home());
        QDir(home()).mkpath(QStringLiteral("work"));
        // A folder of about thirty files, as a user starts Korvo from.
        for (int i = 0; i < 30; ++i)
            writeAll(homeFile(QStringLiteral("work/file%1.bb").arg(i)), "Print 1\r\n");
    }

    QString work() const { return homeFile(QStringLiteral("work")); }

    static void save(const char* section, const char* key, const QString& value) {
        platform::SaveSetting(QLatin1String(section), QLatin1String(key), value);
    }
    static int stored(const char* key) {
        return platform::GetSetting(LayoutSectionName(0), QLatin1String(key)).toInt();
    }
};

}

TEST_F(StartUpDisplay, TheExplorerStoredAtTheRootWithEveryFileShownStartsEveryTime) {
    save("FileExSettings", "LastPath", QStringLiteral("/"));
    save("Options", "ComboFileTypesState", QStringLiteral("5"));
    for (int start = 1; start <= 20; ++start) {
        KorvoProcess korvo(work());
        ASSERT_TRUE(korvo.waitForMainWindow()) << "start " << start << ": " << korvo.report().toStdString();
        ASSERT_TRUE(korvo.closeAndWait()) << "start " << start << ": " << korvo.report().toStdString();
    }
}

TEST_F(StartUpDisplay, ANormalWindowKeepsItsPlaceAndSizeOverThreeStarts) {
    const QString section = LayoutSectionName(0);
    // 900 x 700 pixels at 15 twips a pixel, at 100, 80.
    for (const auto& [key, value] : {std::pair{"MainState", 0}, {"MainLeft", 1500}, {"MainTop", 1200},
                                     {"MainWidth", 13500}, {"MainHeight", 10500}})
        platform::SaveSetting(section, QLatin1String(key), QString::number(value));
    QList<QRect> clients;
    for (int start = 1; start <= 3; ++start) {
        KorvoProcess korvo(work());
        ASSERT_TRUE(korvo.waitForMainWindow()) << korvo.report().toStdString();
        // The window manager frames and places a mapped window a little later.
        EXPECT_TRUE(display::waitFor([&korvo] { return korvo.frameGeometry() == QRect(100, 80, 900, 700); }))
            << "start " << start << ": " << korvo.frameGeometry().x() << "," << korvo.frameGeometry().y() << " "
            << korvo.frameGeometry().width() << "x" << korvo.frameGeometry().height();
        clients.append(korvo.clientGeometry());
        ASSERT_TRUE(korvo.closeAndWait()) << korvo.report().toStdString();
        EXPECT_EQ(stored("MainWidth"), 13500) << "after start " << start;
        EXPECT_EQ(stored("MainHeight"), 10500) << "after start " << start;
        EXPECT_EQ(stored("MainLeft"), 1500) << "after start " << start;
        EXPECT_EQ(stored("MainTop"), 1200) << "after start " << start;
        EXPECT_EQ(stored("MainState"), 0) << "after start " << start;
    }
    EXPECT_EQ(clients[1], clients[0]);
    EXPECT_EQ(clients[2], clients[0]);
    EXPECT_LT(clients[0].width(), 900);
    EXPECT_LT(clients[0].height(), 700);
}

TEST_F(StartUpDisplay, TwentyStartsAtOnceHandTheirFilesToTheRunningInstance) {
    KorvoProcess running(work());
    ASSERT_TRUE(running.waitForMainWindow()) << running.report().toStdString();
    std::vector<std::unique_ptr<KorvoProcess>> starts;
    for (int i = 0; i < 20; ++i)
        starts.push_back(std::make_unique<KorvoProcess>(work(), QStringList{homeFile(QStringLiteral("work/file%1.bb").arg(i))}));
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(starts[i]->endsByItself(120000)) << "start " << i << " did not hand off: " << starts[i]->report().toStdString();
    const QStringList windows = display::xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                                  QStringLiteral("^Korvo")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(windows.size(), 1) << windows.join(QLatin1Char(' ')).toStdString();
    display::saveShot(QStringLiteral("StartUpDisplay.TwentyStarts"));
    EXPECT_TRUE(running.closeAndWait()) << running.report().toStdString();
}

namespace {

// Started maximised, with the normal frame stored.
class MaximisedStartDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        for (const auto& [key, value] : {std::pair{"MainState", 2}, {"MainLeft", 1500}, {"MainTop", 1200},
                                         {"MainWidth", 13500}, {"MainHeight", 10500}})
            platform::SaveSetting(LayoutSectionName(0), QLatin1String(key), QString::number(value));
    }
};

}

TEST_F(MaximisedStartDisplay, RestoredTheWindowTakesTheStoredFrame) {
    ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); }));
    main->showNormal();
    EXPECT_TRUE(display::waitFor([this] { return !main->isMaximized() && main->frameGeometry() == QRect(100, 80, 900, 700); }))
        << main->frameGeometry().x() << "," << main->frameGeometry().y() << " " << main->frameGeometry().width() << "x"
        << main->frameGeometry().height();
    shot();
}

namespace {

// A normal window of 1100 x 750 at 100, 80, which the user maximises and restores
// with a double click on the window manager's title bar.
class MaximisedCyclesDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        for (const auto& [key, value] : {std::pair{"MainState", 0}, {"MainLeft", 1500}, {"MainTop", 1200},
                                         {"MainWidth", 16500}, {"MainHeight", 11250}})
            platform::SaveSetting(LayoutSectionName(0), QLatin1String(key), QString::number(value));
    }

    void doubleClickTitleBar() {
        const QRect frame = main->frameGeometry();
        const int titleY = frame.top() + (main->geometry().top() - frame.top()) / 2;
        display::xdotool({QStringLiteral("mousemove"), QString::number(frame.center().x()), QString::number(titleY)});
        display::xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
                          QStringLiteral("80"), QStringLiteral("1")});
    }

    static QString text(const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

}

TEST_F(MaximisedCyclesDisplay, FiveMaximisedStartsExitsAndRestoresKeepTheNormalFrame) {
    const QRect normal(100, 80, 1100, 750);
    ASSERT_TRUE(display::waitFor([this, normal] { return main->frameGeometry() == normal; })) << text(main->frameGeometry()).toStdString();
    const auto expectStoredFrame = [](int cycle) {
        const QString section = LayoutSectionName(0);
        for (const auto& [key, value] : {std::pair{"MainLeft", 1500}, {"MainTop", 1200}, {"MainWidth", 16500}, {"MainHeight", 11250}})
            EXPECT_EQ(platform::GetSetting(section, QLatin1String(key)).toInt(), value) << key << ", cycle " << cycle;
    };
    for (int cycle = 1; cycle <= 5; ++cycle) {
        doubleClickTitleBar();
        ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); })) << "cycle " << cycle;
        restart();
        ASSERT_TRUE(main);
        ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); })) << "cycle " << cycle;
        expectStoredFrame(cycle);
        doubleClickTitleBar();
        EXPECT_TRUE(display::waitFor([this, normal] { return !main->isMaximized() && main->frameGeometry() == normal; }))
            << "cycle " << cycle << ": " << text(main->frameGeometry()).toStdString();
        shot(QString::number(cycle));
        // An exit in the normal state stores the frame as it is.
        restart();
        ASSERT_TRUE(main);
        expectStoredFrame(cycle);
        EXPECT_TRUE(display::waitFor([this, normal] { return main->frameGeometry() == normal; }))
            << "cycle " << cycle << ": " << text(main->frameGeometry()).toStdString();
    }
    // Five maximised sessions in a row, then the first restore.
    doubleClickTitleBar();
    ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); }));
    for (int start = 1; start <= 5; ++start) {
        restart();
        ASSERT_TRUE(main);
        ASSERT_TRUE(display::waitFor([this] { return main->isMaximized(); })) << "start " << start;
    }
    expectStoredFrame(6);
    doubleClickTitleBar();
    EXPECT_TRUE(display::waitFor([this, normal] { return !main->isMaximized() && main->frameGeometry() == normal; }))
        << text(main->frameGeometry()).toStdString();
    shot(QStringLiteral("after-five-in-a-row"));
}
