#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

class FindDumpTest : public KorvoTest {
protected:
    std::string dump(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"),
                      QStringList{QStringLiteral("--find")} + arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return process.readAllStandardOutput().toStdString();
    }
};

}

TEST_F(FindDumpTest, SearchesAsTheDialogDoesAndPrintsEachDocument) {
    writeAll(homeFile("a.bb"), "ab ab ab");
    EXPECT_EQ(dump({homeFile("a.bb"), "--text", "ab", "--wrap", "yes", "@0:3"}),
              "match a.bb 0:6-0:8\n"
              "prompt:Korvo - Find|The specified region has been searched.\\r\\n"
              "Would you like to continue searching from the top?\n"
              "match a.bb 0:0-0:2\n"
              "match a.bb 0:3-0:5\n"
              "prompt:Korvo - Search in Current File|Current file has been searched.\n"
              "document a.bb\nselection 0:3-0:5\nbookmarks\nchanged 0\n");

    writeAll(homeFile("b.bb"), "a a\r\nb\r\na\r\n");
    EXPECT_EQ(dump({homeFile("a.bb"), homeFile("b.bb"), "--text", "a", "--with", "A", "--case", "=b.bb", "mark-all",
                    "replace-all", "undo"}),
              "prompt:Korvo - Find & Mark All|The specified region has been searched.\\r\\n3 occurrences found. \\r\\n"
              "2 new marks added.\n"
              "prompt:Korvo - Replace All|The specified region has been searched.\\r\\n3 replacements were made\n"
              "text b.bb A A\\r\\nb\\r\\nA\\r\\n\n"
              "text b.bb a a\\r\\nb\\r\\na\\r\\n\n"
              "document a.bb\nselection 0:0-0:0\nbookmarks\nchanged 0\n"
              // The Undo came back to the save point, which clears the changed flag.
              "document b.bb\nselection 0:3-0:3\nbookmarks 0,2\nchanged 0\n");
}
