#include "editor/ActiveDocument.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "support/SessionGlobals.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

using Splash = KorvoTest;

TEST_F(Splash, RunsTheLoadersInOrderAndShowsTheMainWindow) {
    QDir().mkpath(homeFile(QStringLiteral("conf")));
    QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/conf/compilers.dat"), homeFile(QStringLiteral("conf/compilers.dat")));
    QStringList shown;
    {
        frmSplash splash;
        EXPECT_EQ(splash.lblBuild->text(), QStringLiteral("Build 0.1.0")) << "the version CMakeLists.txt declares";
        QObject::connect(&splash, &frmSplash::statusShown, [&shown](const QString& text) { shown.append(text); });
        EXPECT_TRUE(splash.start());
    }
    EXPECT_EQ(shown, (QStringList{"Loading Scinitilla library...", "Loading Compilers...", "Loading Options...",
                                  "Loading HotCodes...", "Loading External Tools...", "Loading Editor Options...",
                                  "Loading Style...", "Loading Editor...", "Starting Editor..."}));
    ASSERT_TRUE(MainWindow());
    EXPECT_TRUE(MainWindow()->isVisible());
    delete MainWindow();
    ForgetSessionGlobals();
}
