#include "display/DisplayInput.h"
#include "display/KorvoProcess.h"
#include "display/KorvoWindowFixture.h"

#include "shell/frmMain.h"

#include "platform/SettingsStore.h"
#include "shell/LayoutSlots.h"

#include <QDir>

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
