// korvo-bench: how long ParseFile takes on a file, against Scintilla's own
// Blitz Basic lexer colouring the same text in a second view, in one run;
// then how long the re-parse of single declaration lines takes at the top
// and at the bottom of the file, and what a screen of lines costs to colour
// there; last, what Replace All, its Undo and Mark All cost per match.
//
//   korvo-bench FILE.bb --lng KEYWORDS [--rounds N]
//   korvo-bench --generate LINES [--out FILE.bb] --lng KEYWORDS [--rounds N]
//   korvo-bench --explorer [LINES] [--lng KEYWORDS]

#include "ExplorerBench.h"
#include "FindReplaceBench.h"
#include "GeneratedProgram.h"
#include "LineReparse.h"
#include "ScreenColouring.h"
#include "Typing.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "../tools/support/HeadlessKorvo.h"
#include "OpenedDocument.h"
#include "language/keywords/Compiler.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

namespace {

using S = QsciScintillaBase;


// The keyword set of Scintilla's lexer, in its lower case.
QByteArray lexerKeywords(const QString& listing) {
    QByteArray bytes;
    platform::readFileBytes(listing, bytes);
    QByteArray words;
    for (const QByteArray& line : bytes.split('\n')) {
        QByteArray name;
        for (const char c : line.trimmed()) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
                break;
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (!name.isEmpty())
            words += name + ' ';
    }
    return words;
}

double parseFileMs(const QString& path) {
    OpenedDocument doc = OpenSourceFile(path);
    if (!doc)
        return 0;
    UnParseFile();
    QElapsedTimer timer;
    timer.start();
    ParseFile();
    const double ms = timer.nsecsElapsed() / 1e6;
    return ms;
}

double builtInLexerMs(SciView& view, const QByteArray& text, const QByteArray& keywords) {
    const SciHandle handle(&view);
    SciLoadText(handle, text);
    SciDirect(handle, S::SCI_SETLEXERLANGUAGE, 0, reinterpret_cast<sptr_t>("blitzbasic"));
    SciDirect(handle, S::SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>(keywords.constData()));
    QElapsedTimer timer;
    timer.start();
    SciDirect(handle, S::SCI_COLOURISE, 0, -1);
    return timer.nsecsElapsed() / 1e6;
}

int usage() {
    std::fprintf(stderr,
                 "usage: korvo-bench FILE.bb --lng KEYWORDS [--rounds N]\n"
                 "       korvo-bench --generate LINES [--out FILE.bb] --lng KEYWORDS [--rounds N]\n"
                 "       korvo-bench --explorer [LINES] [--lng KEYWORDS]\n");
    return 2;
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
        QTemporaryDir home;
        qputenv("KORVO_HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        StartHeadlessKorvo();
        return RunExplorerBench(lines, listing);
    }
    const QString generate = option(QStringLiteral("--generate"));
    QString path = option(QStringLiteral("--out"));
    const int rounds = std::max(option(QStringLiteral("--rounds")).toInt(), 1);
    if (listing.isEmpty() || (generate.isEmpty() == args.isEmpty()))
        return usage();

    // Settings and prompts of a scratch program folder, not the user's.
    QTemporaryDir home;
    qputenv("KORVO_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    StartHeadlessKorvo();
    ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-bench");
    if (!compiler.LoadKeywordsFrom(listing))
        return 1;
    compiler.SetDefaultKeywords();

    QByteArray text;
    if (!generate.isEmpty()) {
        text = generateProgram(generate.toInt());
        if (path.isEmpty())
            path = home.filePath(QStringLiteral("generated.bb"));
        platform::writeFileBytesAtomically(path, text);
    } else {
        path = QFileInfo(args.first()).absoluteFilePath();
        if (!platform::readFileBytes(path, text)) {
            std::fprintf(stderr, "korvo-bench: cannot read %s\n", path.toUtf8().constData());
            return 1;
        }
    }

    SciView lexerView;
    const QByteArray keywords = lexerKeywords(listing);
    double parse = std::numeric_limits<double>::max();
    double lexer = std::numeric_limits<double>::max();
    for (int round = 0; round < rounds; ++round) {
        parse = std::min(parse, parseFileMs(path));
        lexer = std::min(lexer, builtInLexerMs(lexerView, text, keywords));
    }
    const long lines = SciDirect(SciHandle(&lexerView), S::SCI_GETLINECOUNT);
    std::printf("file              %s\n", path.toUtf8().constData());
    std::printf("lines             %ld\n", lines);
    std::printf("ParseFile         %.2f ms\n", parse);
    std::printf("blitzbasic lexer  %.2f ms\n", lexer);
    std::printf("ratio             %.2f\n", parse / lexer);
    PrintLineReparseTimes(path, text);
    PrintScreenColouringTimes(path);
    PrintTypingTimes(path, text);
    PrintTypingTimes(home.filePath(QStringLiteral("small.bb")), generateProgram(500));
    PrintFindReplaceTimes(home.path());
    return 0;
}
