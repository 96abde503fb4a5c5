// Arbitrary bytes as the whole text of a file a user opens, down the road
// such a file takes: each line through both tokenizers, the whole-document
// parse into a real view, the model and line dump of korvo-dump, the
// recolouring pass and the unparse of every line.

#include "BuiltInKeywords.h"
#include "HeadlessKorvo.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "OpenedDocument.h"
#include "language/keywords/Compiler.h"
#include "language/lexer/Lexer.h"
#include "language/model/ModelDump.h"
#include "language/parser/DocumentPasses.h"
#include "platform/Prompt.h"
#include "support/Recolouring.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// In a temporary folder of this process's own: parallel workers never share it.
QString inputPath() {
    static const QString path = [] {
        static QTemporaryDir folder;
        if (!folder.isValid())
            std::abort();
        return folder.filePath(QStringLiteral("input.bb"));
    }();
    return path;
}

// Lines shifted to end right at the tokenizer's capacity, so that any read
// past a line's end meets the end of the buffer.
constexpr int kLinesAlsoTriedAtTheLimit = 1;

void tokenize(const QByteArray& line) {
    TokenizeLightLine(line);
    const int count = TokenizeLine(line);
    for (int i = 1; i <= count; ++i)
        (void)QStringLiteral("%1 \"%2\" %3 %4").arg(gTokens[i].Kind).arg(gTokens[i].Text()).arg(gTokens[i].StartPos).arg(gTokens[i].EndPos);
}

void tokenizeEachLine(const QByteArray& text) {
    qsizetype start = 0;
    for (int n = 0; start <= text.size(); ++n) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArray line = text.mid(start, end - start + 1);
        tokenize(line);
        if (n < kLinesAlsoTriedAtTheLimit && line.size() < kMaxLineLength)
            tokenize(QByteArray(kMaxLineLength - line.size(), ' ') + line);
        start = end + 1;
    }
}

void openParseDumpAndClose(const QByteArray& text) {
    OpenedDocument doc = OpenSourceText(inputPath(), text);
    // Not reaching the parser would make every run pass without testing it.
    if (!doc)
        std::abort();
    (void)DumpModel(gProjects.Item(inputPath())->Model, *doc, ModelDumpDetail::Full);
    ReColorFile();
    UnParseFile();
}

}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QTemporaryDir home;
    qputenv("KORVO_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    StartHeadlessKorvo();
    platform::setPromptHandler(platform::defaultAnswer);
    static ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-fuzz");
    if (!LoadBuiltInKeywords(compiler))
        std::abort();
    compiler.SetDefaultKeywords();
    // What Qt and the fonts set up once for the first view is not a leak of any input.
    openParseDumpAndClose("Global a\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    tokenizeEachLine(text);
    openParseDumpAndClose(text);
    return 0;
}
