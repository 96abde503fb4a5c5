#include "language/keywords/KeywordFiles.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

// The call tip and the quick-help line as korvo-dump --calltip prints them.
namespace {

struct CallTipCase {
    const char* name;
    QByteArray source;
    const char* position;
    QStringList expected;
    QList<QPair<QString, QString>> settings = {};
};

const QByteArray kFoo = "Function Foo%(a, b$)\r\nEnd Function\r\nx = Foo(1, ";
const QByteArray kNestedIf = "If a Then\r\n    If b Then\r\n        x = 1\r\n    Else\r\n        x = 2\r\n    EndIf\r\nEndIf\r\n";
const QByteArray kOpening79 = "While a = " + QByteArray(69, 'b') + "\r\nWend\r\n";
const QByteArray kOpening81 = "While a = " + QByteArray(71, 'b') + "\r\nWend\r\n";

const CallTipCase kCases[] = {
    {"a keyword in brackets", "a$ = Mid(s$, 3, ", "0:16",
     {"tip Mid$ (string$,start,[count])", "highlight 20 27", "quickhelp Mid$ (string$,start,[count]) ", "colour 20 7 FF0000"}},
    {"a keyword without brackets", "Graphics 640, ", "0:14",
     {"tip Graphics width,height,[depth],[mode]", "highlight 15 21", "quickhelp Graphics width,height,[depth],[mode] ",
      "colour 15 6 FF0000"}},
    {"a user function", kFoo, "2:11", {"tip Foo (a, b$)", "highlight 7 10", "quickhelp Foo (a, b$) ", "colour 7 3 FF0000"}},
    {"no tip when tips are off", kFoo, "2:11", {"quickhelp Foo (a, b$) ", "colour 7 3 FF0000"}, {{"PopupCallTips", "0"}}},
    {"the name itself highlights nothing", kFoo, "2:6", {"tip Foo (a, b$)", "highlight 11 11", "quickhelp Foo (a, b$) "}},
    {"a comma inside a default value", "Function G(a$=\"x,y\", b)\r\nEnd Function\r\nG(1, ", "2:5",
     {"tip G ([a$=\"x,y\"], b)", "highlight 14 16", "quickhelp G ([a$=\"x,y\"], b) ", "colour 14 2 FF0000"}},
    {"a closed inner call is not the command", "Function Foo%(a, b$)\r\nEnd Function\r\nx = Foo(Mid(s$, 1, 2), ", "2:23",
     {"tip Foo (a, b$)", "highlight 7 10", "quickhelp Foo (a, b$) ", "colour 7 3 FF0000"}},
    {"the scope of Next", "For i = 1 To 10\r\n    ; note\r\nNext\r\n", "2:4",
     {"quickhelp  SCOPE: For i = 1 To 10", "colour 1 6 0000FF"}},
    {"the scope of an inner EndIf", kNestedIf, "5:9", {"quickhelp  SCOPE:     If b Then", "colour 1 6 0000FF"}},
    {"an opening line of 79 characters", kOpening79, "1:4",
     {"quickhelp  SCOPE: " + QString::fromLatin1(kOpening79.left(79)), "colour 1 6 0000FF"}},
    {"an opening line of 81 characters", kOpening81, "1:4",
     {"quickhelp  SCOPE: " + QString::fromLatin1(kOpening81.left(80)) + "...", "colour 1 6 0000FF"}},
    {"no scope for Case", "Select a\r\nCase 1\r\n", "1:4", {}},
};

class CallTipDump : public KorvoTest {
protected:
    QStringList run(const CallTipCase& c) {
        platform::DeleteSetting(QStringLiteral("OptionsEdit"));
        for (const auto& [key, value] : c.settings)
            platform::SaveSetting(QStringLiteral("OptionsEdit"), key, value);
        const QString keywords = homeFile(QStringLiteral("test.lng"));
        writeAll(keywords, keywordFileText({"Mid$ (string$,start[,count])", "Graphics width,height[,depth][,mode]"}));
        const QString source = homeFile(QStringLiteral("test.bb"));
        writeAll(source, c.source);
        QProcess dump;
        dump.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"),
                   {QStringLiteral("--calltip"), source, QString::fromLatin1(c.position), QStringLiteral("--lng"), keywords});
        EXPECT_TRUE(dump.waitForFinished(30000)) << c.name;
        EXPECT_EQ(dump.exitCode(), 0) << c.name;
        return QString::fromUtf8(dump.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

}

TEST_F(CallTipDump, PrintsWhatEachCaseShows) {
    for (const CallTipCase& c : kCases)
        EXPECT_EQ(run(c), c.expected) << c.name;
}
