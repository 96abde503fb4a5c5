#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

class SnippetsDumpTest : public KorvoTest {
protected:
    QString dump(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

const QString kTree = QStringLiteral(
    "Alpha|FolderClosed|Snippets/Alpha\n"
    "  x|File|Snippets/Alpha/x\n"
    "A|File|Snippets/A\n");

}

TEST_F(SnippetsDumpTest, RunsCommandsOnTheSelectedNodeAndPrintsWhatChanged) {
    QDir(home()).mkpath(QStringLiteral("Snippets/Alpha"));
    writeAll(homeFile("Snippets/Alpha/x.bb"), "x text");
    writeAll(homeFile("Snippets/A.bb"), "Print A\r\n");
    writeAll(homeFile("f.bb"), "; top\r\n");
    const QString run = dump({"--snippets", "--select", "Alpha/x", "--open", homeFile("f.bb"), "--answer", "gfx",
                              "--folder", "Snippets", "Add Category", "Add Category", "Insert Snippet", "Edit Snippet"});
    EXPECT_EQ(run, kTree
                       + "prompt:Korvo|Enter name for the new (Sub)category:\n"
                         "prompt:Korvo|Enter name for the new (Sub)category:\n"
                         "prompt:Korvo|Category with this name already exists !\n"
                         "name x\n"
                         "Alpha|FolderOpen|Snippets/Alpha\n"
                         "  gfx|FolderClosed|Snippets/Alpha/gfx\n"
                         "A|File|Snippets/A\n"
                         "x|File|Snippets/x\n"
                         "preview x text\n"
                         "text ; top\\r\\nx text\n");
}

TEST_F(SnippetsDumpTest, PrintsTheInsertedTexts) {
    EXPECT_EQ(dump({"--inserted", "colour", "0x0C0B0A"}), QStringLiteral("10,11,12\n$0A0B0C\n"));
    EXPECT_EQ(dump({"--inserted", "filepath", "/p/../media/a.wav", "/p/game.kpf"}), QStringLiteral("\"../media/a.wav\"\n"));
    EXPECT_EQ(dump({"--inserted", "scancode", "--as", "keydown", "Num+7", "RShift", "Up"}),
              QStringLiteral("71|Pressed key: Numpad 7\n54|Pressed key: Right Shift\n200|Pressed key: Up Arrow\nKeyDown(200)\n"));
}
