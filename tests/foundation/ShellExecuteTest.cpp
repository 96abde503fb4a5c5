#include "foundation/ShellExecute.h"
#include "platform/ShellOpen.h"
#include "support/TestEnvironment.h"

#include <QFile>

class ShellExecuteTest : public KorvoTest {
protected:
    void TearDown() override {
        platform::setShellHandler({});
        KorvoTest::TearDown();
    }
    void answerWith(int result) {
        platform::setShellHandler([this, result](const platform::ShellRequest& request) {
            requests.append(request);
            return result;
        });
    }
    QList<platform::ShellRequest> requests;
};

TEST_F(ShellExecuteTest, ProgramsNamedExeStartHiddenOnlyWithParameters) {
    answerWith(platform::ShellSuccess);
    EXPECT_TRUE(GShell("C:\\Tools\\Run.ExE", 10, "-x", ""));
    EXPECT_TRUE(GShell("C:\\Tools\\Run.exe", 10));
    EXPECT_TRUE(GShell("notes.txt", 10, "", "/tmp", "print"));
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].show, 0);
    EXPECT_EQ(requests[0].parameters, "-x");
    EXPECT_EQ(requests[1].show, 1);
    EXPECT_EQ(requests[2].show, 10);
    EXPECT_EQ(requests[2].folder, "/tmp");
    EXPECT_EQ(requests[2].verb, "print");
    EXPECT_FALSE(GShellLastError().has_value());
}

TEST_F(ShellExecuteTest, AMissingFileFailsQuietlyWithItsError) {
    EXPECT_FALSE(GShell(homeFile("missing.txt"), 10));
    ASSERT_TRUE(GShellLastError().has_value());
    EXPECT_EQ(GShellLastError()->number, 53);
    EXPECT_EQ(GShellLastError()->description, "File not found");
    EXPECT_TRUE(GShellLastError()->source.endsWith(".GShell"));

    EXPECT_FALSE(GShell(homeFile("no/such/folder/x.txt"), 10));
    EXPECT_EQ(GShellLastError()->number, 76);

    answerWith(platform::ShellNoAssociation);
    EXPECT_FALSE(GShell(homeFile("a.xyz")));
    EXPECT_EQ(GShellLastError()->number, -2147220456 + 31);
    EXPECT_EQ(GShellLastError()->description, "No application is associated with this file type.");
}

TEST_F(ShellExecuteTest, TheDesktopIsNeverAskedToRunAProgram) {
    const QString marker = homeFile("ran");
    const QString script = homeFile("helper.bbi");
    writeAll(script, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QString elf = homeFile("payload");
    writeAll(elf, QByteArray("\x7f" "ELF\x02\x01\x01", 7) + QByteArray(64, '\0'));
    const QString entry = homeFile("start.desktop");
    writeAll(entry, "[Desktop Entry]\nType=Application\nExec=touch " + marker.toUtf8() + "\n");
    const QString text = homeFile("notes.txt");
    writeAll(text, "plain words\n");
    const QString fatText = homeFile("fat.txt");
    writeAll(fatText, "plain words\n");
    QFile::setPermissions(fatText, QFile::permissions(fatText) | QFileDevice::ExeOwner);

    EXPECT_TRUE(platform::desktopCouldStart(script));
    EXPECT_TRUE(platform::desktopCouldStart(elf));
    EXPECT_TRUE(platform::desktopCouldStart(entry));
    EXPECT_TRUE(platform::desktopCouldStart(fatText));
    EXPECT_FALSE(platform::desktopCouldStart(text));
    EXPECT_FALSE(platform::desktopCouldStart(home()));

    for (const QString& program : {script, elf, entry}) {
        EXPECT_EQ(platform::shellExecute({program, {}, {}, {}, 10}), platform::ShellAccessDenied) << program.toStdString();
        EXPECT_FALSE(GShell(program, 10, "-x", home()));
    }
    EXPECT_FALSE(QFile::exists(marker));
}
