#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

using HtmlDumpTest = KorvoTest;

TEST_F(HtmlDumpTest, PrintsThePageOfTheParsedAndRecolouredFile) {
    writeAll(homeFile("g.bb"), "Global a$ = \"<b>\"\r\n;\xE9 & done\r\n");
    QProcess dump;
    dump.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"),
               {QStringLiteral("--html"), homeFile("g.bb")});
    ASSERT_TRUE(dump.waitForFinished(30000));
    EXPECT_EQ(dump.exitCode(), 0);
    const QByteArray page = dump.readAllStandardOutput();
    EXPECT_TRUE(page.startsWith("<html>\r\n<head>\r\n<title>g.bb</title>\r\n")) << page.toStdString();
    EXPECT_TRUE(page.contains("<span class=St5>\"&lt;b&gt;\"</span>")) << page.toStdString();
    EXPECT_TRUE(page.contains("<span class=St1>;\xE9&nbsp;&amp;&nbsp;done<BR></span>")) << page.toStdString();
    EXPECT_TRUE(page.contains(".St10 {\r\n")) << page.toStdString();
    EXPECT_TRUE(page.endsWith("</td></tr></table></body>\r\n</html>\r\n"));
}
