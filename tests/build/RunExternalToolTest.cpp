#include "build/ExternalTools.h"
#include "build/RunExternalTool.h"
#include "OpenedDocument.h"
#include "platform/DetachedStart.h"
#include "vocabulary/SettingsValues.h"
#include "support/StandIn.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

namespace {

class RunExternalToolTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        gExternalTools.RemoveAll();
        platform::setDetachedStartHandler([this](const platform::ChildProcess& command) {
            started.append(command);
            return true;
        });
    }
    void TearDown() override {
        document.reset();
        platform::setDetachedStartHandler({});
        gExternalTools.RemoveAll();
        gLastCreatedExe.clear();
        KorvoTest::TearDown();
    }

    void addTool(const QString& caption, const QString& path, const QString& parameters, int ask) {
        gExternalTools.Add(std::make_shared<clsExTool>(clsExTool{caption, path, parameters, ask}), caption);
    }

    OpenedDocument document;
    QList<platform::ChildProcess> started;
};

}

TEST_F(RunExternalToolTest, StartsTheProgramWithTheMacrosOfTheActiveDocument) {
    const QString folder = homeFile(QStringLiteral("my game"));
    QDir().mkpath(folder);
    document = OpenSourceText(folder + QStringLiteral("/x.bb"), QByteArray());
    gLastCreatedExe = folder + QStringLiteral("/x");
    addTool("T", "/opt/t", "run %ACTIVEFILE% %activefiledir%x %LastExe% %KorvoDir% %ProjectDir%", 0);

    RunExternalTool(QStringLiteral("T"));

    EXPECT_TRUE(prompts.isEmpty());
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].program, "/opt/t/run");
    EXPECT_EQ(started[0].arguments,
              QStringList({folder + "/x.bb", folder + "/x", folder + "/x", home() + "/", folder + "/"}));
}

TEST_F(RunExternalToolTest, AFileNameNeverReachesAShell) {
    QTemporaryDir folder;
    const QString name = folder.path() + QStringLiteral("/a;$(touch p).bb");
    document = OpenSourceText(name, QByteArray());
    addTool("Sh", "", "sh -c \"echo $0 > out\" %Activefile%", 0);
    platform::setDetachedStartHandler({});
    QDir::setCurrent(folder.path());

    RunExternalTool(QStringLiteral("Sh"));

    const QString out = folder.path() + QStringLiteral("/out");
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(out).size() > 0; }));
    EXPECT_EQ(readAll(out), name.toUtf8() + "\n");
    EXPECT_FALSE(QFileInfo::exists(folder.path() + QStringLiteral("/p")));
    QDir::setCurrent(QStringLiteral("/"));
}

TEST_F(RunExternalToolTest, AsksOnlyWhenTheFlagIsOne) {
    addTool("Edit", "/usr/bin", "gedit \"%Activefile%\" a", 1);
    addTool("Two", "/usr/bin", "true", 2);
    scriptButton(platform::vbCancel);
    RunExternalTool(QStringLiteral("Edit"));
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "Edit");
    EXPECT_EQ(prompts[0].text, "Press OK to run this command:\r\n\r\n/usr/bin/gedit %Activefile% a");
    EXPECT_EQ(prompts[0].buttons, platform::vbOKCancel);

    scriptButton(platform::vbOK);
    RunExternalTool(QStringLiteral("Edit"));
    EXPECT_EQ(started.size(), 1);

    RunExternalTool(QStringLiteral("Two"));
    EXPECT_EQ(started.size(), 2);
    EXPECT_EQ(prompts.size(), 2);
}

TEST_F(RunExternalToolTest, AProgramThatCannotStartIsReported) {
    platform::setDetachedStartHandler({});
    addTool("Gone", "/no/such folder", "prog x", 0);
    RunExternalTool(QStringLiteral("Gone"));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(prompts[0].title, "Korvo");
    EXPECT_EQ(prompts[0].text, "An error occurred while running this external tool!\r\n\r\nCommand: \"/no/such folder/prog\" x"
                               "\r\n\r\nError: No such file or directory");
}

TEST_F(RunExternalToolTest, AnUnknownCaptionIsLogged) {
    RunExternalTool(QStringLiteral("Nothing"));
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::ModalForm);
}
