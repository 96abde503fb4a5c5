// korvo-bench: how long ParseFile takes on a file, against Scintilla's own
// Blitz Basic lexer colouring the same text in a second view, in one run;
// then how long the re-parse of single declaration lines takes at the top
// and at the bottom of the file, and what a screen of lines costs to colour
// there; last, what Replace All, its Undo and Mark All cost per match.
// Opening the file (OpenFile) is timed beside the lexer too, and typing
// beside the bare component with its lexer. --ranges times the unparses of
// many lines on generated programs of three sizes; --long-line the showing
// of a file of one line of 1 MB and of 10 MB.
//
//   korvo-bench FILE.bb --lng KEYWORDS [--rounds N]
//   korvo-bench --generate LINES [--out FILE.bb] --lng KEYWORDS [--rounds N]
//   korvo-bench --explorer [LINES] [--lng KEYWORDS]
//   korvo-bench --ranges --lng KEYWORDS
//   korvo-bench --long-line --lng KEYWORDS

#include "ExplorerBench.h"
#include "FindReplaceBench.h"
#include "GeneratedProgram.h"
#include "LineReparse.h"
#include "LongLine.h"
#include "MemoryPerLine.h"
#include "ScreenColouring.h"
#include "Typing.h"
#include "BuiltInLexer.h"
#include "Median.h"
#include "RangeUnparse.h"
#include "../tools/support/HeadlessKorvo.h"
#include "OpenedDocument.h"
#include "language/keywords/Compiler.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using S = QsciScintillaBase;


constexpr double kParseGoal = 1.6;       // ParseFile / the lexer, at every size
constexpr double kColouringGoal = 1.6;   // ColorFileLight / the lexer
constexpr double kFirstParseGoal = 1.3;  // the first parse / the warm parse

const char* met(bool ok) {
    return ok ? "met" : "NOT met";
}

// Korvo's colouring of every line of a parsed document, as the HTML export
// runs it: every byte gets its style, as the lexer gives every byte its own.
double colourFileMs(const QString& path) {
    OpenedDocument doc = OpenSourceFile(path);
    if (!doc)
        return 0;
    QElapsedTimer timer;
    timer.start();
    ColorFileLight();
    return timer.nsecsElapsed() / 1e6;
}

// The warm parse: the document was parsed and unparsed before.
double parseFileMs(const QString& path) {
    OpenedDocument doc = OpenSourceFile(path);
    if (!doc)
        return 0;
    UnParseFile();
    QElapsedTimer timer;
    timer.start();
    ParseFile();
    return timer.nsecsElapsed() / 1e6;
}

// Opening the file as Korvo does: the file read into a fresh view, its
// first parse, its parameter block. The window's closing is not counted.
double openFileMs(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    OpenedDocument doc = OpenSourceFile(path);
    return doc ? timer.nsecsElapsed() / 1e6 : 0;
}

// What any editor on the component takes to show a file: the file read, a
// fresh view, and the text loaded into it.
double loadFileMs(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    QByteArray text;
    if (!platform::readFileBytes(path, text))
        return 0;
    SciView view;
    SciLoadText(SciHandle(&view), text);
    return timer.nsecsElapsed() / 1e6;
}

double builtInLexerMs(SciView& view, const QByteArray& text, const QByteArray& keywords) {
    const SciHandle handle(&view);
    SciLoadText(handle, text);
    UseBuiltInLexer(view, keywords);
    QElapsedTimer timer;
    timer.start();
    SciDirect(handle, S::SCI_COLOURISE, 0, -1);
    return timer.nsecsElapsed() / 1e6;
}

// Settings and prompts of a scratch program folder, not the user's.
struct ScratchKorvo {
    QTemporaryDir home;
    ScratchKorvo() {
        qputenv("KORVO_HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        StartHeadlessKorvo();
    }
};

bool useKeywords(ClsCompiler& compiler, const QString& listing) {
    compiler.Name = QStringLiteral("korvo-bench");
    if (!compiler.LoadKeywordsFrom(listing))
        return false;
    compiler.SetDefaultKeywords();
    return true;
}

int usage() {
    std::fprintf(stderr,
                 "usage: korvo-bench FILE.bb --lng KEYWORDS [--rounds N]\n"
                 "       korvo-bench --generate LINES [--out FILE.bb] --lng KEYWORDS [--rounds N]\n"
                 "       korvo-bench --explorer [LINES] [--lng KEYWORDS]\n"
                 "       korvo-bench --ranges --lng KEYWORDS\n"
                 "       korvo-bench --long-line --lng KEYWORDS\n");
    return 2;
}

// A mode that takes nothing but the keyword listing and writes its files in a scratch home.
int runOnGeneratedFiles(const QStringList& args, const QString& listing, void (*print)(const QString& folder)) {
    if (listing.isEmpty() || !args.isEmpty())
        return usage();
    const ScratchKorvo korvo;
    ClsCompiler compiler;
    if (!useKeywords(compiler, listing))
        return 1;
    print(korvo.home.path());
    return 0;
}

}

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto option = [&](const QString& name) {
        const qsizetype at = args.indexOf(name);
        if (at < 0 || at + 1 >= args.size())
            return QString();
        const QString value = args[at + 1];
        args.remove(at, 2);
        return value;
    };
    const QString listing = option(QStringLiteral("--lng"));
    const qsizetype explorer = args.indexOf(QStringLiteral("--explorer"));
    if (explorer >= 0) {
        const int lines = explorer + 1 < args.size() ? args[explorer + 1].toInt() : 50000;
        if (lines <= 0 || args.size() > explorer + 2)
            return usage();
        const ScratchKorvo korvo;
        return RunExplorerBench(lines, listing);
    }
    if (args.removeAll(QStringLiteral("--ranges")) > 0)
        return runOnGeneratedFiles(args, listing, PrintRangeUnparseTimes);
    if (args.removeAll(QStringLiteral("--long-line")) > 0)
        return runOnGeneratedFiles(args, listing, PrintLongLineTimes);
    const QString generate = option(QStringLiteral("--generate"));
    QString path = option(QStringLiteral("--out"));
    const QString roundsOption = option(QStringLiteral("--rounds"));
    const int rounds = roundsOption.isEmpty() ? 5 : std::max(roundsOption.toInt(), 1);
    if (listing.isEmpty() || (generate.isEmpty() == args.isEmpty()))
        return usage();

    const ScratchKorvo korvo;
    ClsCompiler compiler;
    if (!useKeywords(compiler, listing))
        return 1;

    QByteArray text;
    if (!generate.isEmpty()) {
        text = generateProgram(generate.toInt());
        if (path.isEmpty())
            path = korvo.home.filePath(QStringLiteral("generated.bb"));
        platform::writeFileBytesAtomically(path, text);
    } else {
        path = QFileInfo(args.first()).absoluteFilePath();
        if (!platform::readFileBytes(path, text)) {
            std::fprintf(stderr, "korvo-bench: cannot read %s\n", path.toUtf8().constData());
            return 1;
        }
    }

    PrintMemoryPerLine(path, text);
    SciView lexerView;
    const QByteArray keywords = LexerKeywords(listing);
    std::vector<double> parses;
    std::vector<double> lexers;
    std::vector<double> opens;
    std::vector<double> loads;
    std::vector<double> colourings;
    for (int round = 0; round < rounds; ++round) {
        opens.push_back(openFileMs(path));
        colourings.push_back(colourFileMs(path));
        loads.push_back(loadFileMs(path));
        parses.push_back(parseFileMs(path));
        lexers.push_back(builtInLexerMs(lexerView, text, keywords));
    }
    const double parse = median(parses);
    const double lexer = median(lexers);
    const double open = median(opens);
    const double load = median(loads);
    const double colouring = median(colourings);
    const double firstParse = open - load;
    const long lines = SciDirect(SciHandle(&lexerView), S::SCI_GETLINECOUNT);
    std::printf("file              %s\n", path.toUtf8().constData());
    std::printf("lines             %ld   (medians of %d rounds)\n", lines, rounds);
    std::printf("ParseFile         %.2f ms\n", parse);
    std::printf("blitzbasic lexer  %.2f ms\n", lexer);
    std::printf("ratio             %.2f   goal <= %.1f: %s\n", parse / lexer, kParseGoal, met(parse / lexer <= kParseGoal));
    std::printf("ColorFileLight    %.2f ms   x%.2f the lexer   goal <= %.1f: %s\n", colouring, colouring / lexer,
                kColouringGoal, met(colouring / lexer <= kColouringGoal));
    std::printf("OpenFile          %.2f ms   (the file read into a fresh view of the component %.2f ms)\n", open, load);
    std::printf("first parse       %.2f ms   (OpenFile less the load)   x%.2f the warm parse   x%.2f the lexer"
                "   goal <= %.1f the warm parse: %s\n",
                firstParse, firstParse / parse, firstParse / lexer, kFirstParseGoal, met(firstParse / parse <= kFirstParseGoal));
    PrintLineReparseTimes(path, text);
    PrintScreenColouringTimes(path);
    PrintTypingTimes(path, text, keywords);
    PrintTypingTimes(korvo.home.filePath(QStringLiteral("small.bb")), generateProgram(500));
    PrintFindReplaceTimes(korvo.home.path());
    return 0;
}
