#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

// The colouring and the completion lists as korvo-dump prints them, case
// by case: a source, the arguments after its path, settings to store
// first, and lines that must (or must not) be among the output.
namespace {

struct DumpCase {
    const char* name;
    QByteArray source;
    QStringList arguments;
    QStringList expected;
    QStringList absent = {};
    QList<QPair<QString, QString>> settings = {};
};

const QByteArray kDeclarations =
    "Global score%, p.Point\r\nType Point\r\nField x, y#\r\nEnd Type\r\nDim grid(10)\r\nConst MAX = 5\r\n"
    "Function Add%(a, b)\r\nLocal t = a + b\r\nReturn t + score\r\nEnd Function\r\np = New Point\r\n"
    "p\\x = grid(2) + MAX + Add(1, 2) + undeclared\r\n.start\r\nGoto start\r\n";
const QByteArray kShadowed = "Global n\r\nFunction F()\r\nLocal n\r\nn = 1\r\nEnd Function\r\n";
const QByteArray kPlayers =
    "Global player_x, player_y, PlayerName$\r\nDim playfield(10)\r\nConst PLAYERS = 4\r\nFunction PlayTurn(n)\r\n"
    "End Function\r\npla";
const QByteArray kTypes = "Type Pixel\r\nEnd Type\r\nType Point\r\nField px, py\r\nEnd Type\r\nGlobal p.Point\r\n";
const QStringList kPlayerNames = {"PlayerName", "PLAYERS", "player_x", "player_y", "playfield", "PlayTurn"};

const DumpCase kStyleCases[] = {
    {"declared names", kDeclarations, {},
     {"0 7 10 score%", "0 15 10 p.Point", "2 9 15 y#", "4 4 14 grid", "5 6 12 MAX", "6 9 7 Add%", "7 10 11 a",
      "8 11 10 score", "10 8 15 Point", "11 0 10 p\\x", "11 22 7 Add", "11 34 0 undeclared", "12 0 13 .start",
      "13 5 13 start"}},
    {"strict mode", kDeclarations, {"--strict"}, {"11 34 16 undeclared"}},
    {"a local off the caret line", kShadowed, {}, {"3 0 11 n"}},
    {"a global on the caret line", kShadowed, {"--caret", "3:5"}, {"3 0 10 n"}},
    {"brackets", "x = (1]\r\nx = 1)\r\nx = (1\r\n", {}, {"0 4 9 (", "0 6 19 ]", "1 5 19 )", "2 4 19 ("}},
    {"a string left open at the end of the file", "Global a$ = \"abc", {}, {"0 12 5 \"abc"}},
    {"a comment at the end of the file", "x = 1 ;! note", {}, {"0 6 6 ;! note"}},
    {"a word under the caret keeps its case", "Global MyVar\r\nmyvar = 1\r\n", {"--caret", "1:3"}, {"1 0 10 myvar"}},
    {"a word away from the caret takes the declared case", "Global MyVar\r\nmyvar = 1\r\n", {"--caret", "1:9"},
     {"1 0 10 MyVar"}},
    {"a chain of fields is one run", "Type A\r\nField b.B\r\nEnd Type\r\nType B\r\nField c\r\nEnd Type\r\nGlobal p.A\r\np.A\\b\\c = 1\r\n",
     {}, {"7 0 10 p.A\\b\\c"}},
    {"an unknown field ends the run", "Type A\r\nField b\r\nEnd Type\r\nGlobal p.A\r\np\\nosuch = 1\r\n", {"--strict"},
     {"4 0 10 p\\", "4 2 16 nosuch"}},
    {"an index splits the run", "Type V\r\nField v\r\nEnd Type\r\nGlobal grid.V[10], i\r\ngrid[i+1]\\v = 1\r\n", {},
     {"4 0 10 grid", "4 4 9 [", "4 5 10 i", "4 6 4 +", "4 7 3 1", "4 8 9 ]", "4 9 10 \\v"}},
    {"a suffix of another type is stray", "Global n%\r\nx = n# + n%\r\n", {"--strict"}, {"1 4 10 n", "1 5 16 #", "1 9 10 n%"}},
    {"a type after Object", "Type T\r\nEnd Type\r\nx = Object.T(h)\r\n", {}, {"2 10 9 .", "2 11 15 T"}},
    {"no case correction when it is off", "Global MyVar\r\nmyvar = 1\r\n", {"--caret", "1:9"}, {"1 0 10 myvar"}, {},
     {{"FixVariableCase", "0"}}},
};

const DumpCase kCompletionCases[] = {
    {"names by Scintilla's order", kPlayers, {"5:3"}, kPlayerNames},
    {"too many names while typing", kPlayers, {"5:3"}, {}, {}, {{"ACshowWhenNoMore", "5"}}},
    {"too many names asked for", kPlayers, {"5:3", "--forced"}, kPlayerNames, {}, {{"ACshowWhenNoMore", "5"}}},
    {"types after New", kTypes + "p = New ", {"6:8"}, {"Pixel", "Point"}},
    {"fields after a backslash", kTypes + "p\\", {"6:2"}, {"px", "py"}},
    {"fields begun after a backslash", kTypes + "p\\p", {"6:3"}, {"px", "py"}},
    {"types after a dot", "Type Pixel\r\nEnd Type\r\nGlobal p.", {"2:9"}, {"Pixel"}},
    {"labels after Goto", ".start\r\n.stop\r\nGoto ", {"2:5"}, {"start", "stop"}},
    {"nothing for a name being declared", "Global player_x\r\nGlobal pla", {"1:10"}, {}},
    {"short names stay out", "Global abcd, abcde\r\nabc", {"1:3"}, {"abcde"}},
    {"an array named like a global comes once", "Global items\r\nDim Items(3)\r\nitem", {"2:4"}, {"items"}},
    {"a name that begins with no letter", "Global _under\r\n_un", {"1:3"}, {}},
};

class ColouringDump : public KorvoTest {
protected:
    QStringList run(const DumpCase& c, const QString& mode) {
        for (const auto& [key, value] : c.settings)
            platform::SaveSetting(QStringLiteral("OptionsEdit"), key, value);
        const QString source = homeFile(QStringLiteral("test.bb"));
        writeAll(source, c.source);
        QProcess dump;
        dump.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), QStringList{mode, source} + c.arguments);
        EXPECT_TRUE(dump.waitForFinished(30000)) << c.name;
        EXPECT_EQ(dump.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(dump.exitCode(), 0) << c.name;
        return QString::fromUtf8(dump.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

}

TEST_F(ColouringDump, StylesHoldTheRunsOfEachCase) {
    for (const DumpCase& c : kStyleCases) {
        platform::DeleteSetting(QStringLiteral("OptionsEdit"));
        const QStringList runs = run(c, QStringLiteral("--styles"));
        for (const QString& line : c.expected)
            EXPECT_TRUE(runs.contains(line)) << c.name << ": no run \"" << line.toStdString() << "\"";
    }
}

TEST_F(ColouringDump, CompletionPrintsTheListShown) {
    for (const DumpCase& c : kCompletionCases) {
        platform::DeleteSetting(QStringLiteral("OptionsEdit"));
        EXPECT_EQ(run(c, QStringLiteral("--complete")), c.expected) << c.name;
    }
}

TEST_F(ColouringDump, ModelOfAStringLeftOpenAtTheEndOfTheFile) {
    const DumpCase c{"model", "Global a$ = \"abc", {}, {}};
    EXPECT_TRUE(run(c, QStringLiteral("--model")).contains(QStringLiteral("Globals a$ line=0")));
}
