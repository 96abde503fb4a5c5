#include "DumpCommand.h"

#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/lexer/Lexer.h"
#include "platform/AnsiText.h"

namespace {

int dumpTokens(const QStringList& args) {
    if (args.size() != 1)
        return kWrongArguments;
    InitScintillaAndCharTables();
    const int count = TokenizeLine(platform::toAnsi(args.first()));
    for (int i = 1; i <= count; ++i) {
        const TokenRecord& t = gTokens[i];
        printLine(QStringLiteral("%1 \"%2\" %3 %4").arg(t.Kind).arg(t.Text()).arg(t.StartPos).arg(t.EndPos));
    }
    return 0;
}

const DumpCommand tokens("--tokens", "\"LINE\"   the tokens of one line: kind \"text\" start end", dumpTokens);

}
