#include "../support/HeadlessKorvo.h"
#include "DumpCommand.h"

#include "language/keywords/Compiler.h"

#include <cstdio>

namespace {

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

int keywordCount(ClsCompiler& compiler) {
    int count = 0;
    for (int code = kFirstKeywordCode; code <= kLastKeywordCode; ++code)
        count += compiler.bbFunkcija(code).Count();
    return count;
}

void printKeyword(ClsCompiler& compiler, const QString& name) {
    const int code = KeywordTableCode(name);
    const KeywordPtr keyword = code < 0 ? nullptr : compiler.bbFunkcija(code).Item(name);
    if (!keyword) {
        printLine(name + QStringLiteral(" (none)"));
        return;
    }
    printLine(keyword->Ime + QStringLiteral(" Tip=%1 VlezNum=%2 ImaZagradi=%3 MoraZagradi=%4 IsScope=%5 IsStartScope=%6 IsEndScope=%7")
                                 .arg(keyword->Tip)
                                 .arg(keyword->VlezNum)
                                 .arg(flag(keyword->ImaZagradi), flag(keyword->MoraZagradi), flag(keyword->IsScope),
                                      flag(keyword->IsStartScope), flag(keyword->IsEndScope)));
    for (int n = 1; n <= keyword->VlezNum; ++n)
        printLine(QStringLiteral("  %1 %2").arg(n).arg(keyword->ParametarTekst(n)));
}

int dumpKeywords(const QStringList& args) {
    if (args.isEmpty()) {
        std::fprintf(stderr, "korvo-dump --keywords: no keyword file given\n");
        return 2;
    }
    StartHeadlessKorvo();
    ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-dump");
    compiler.LoadKeywordsFrom(args.first());
    printLine(QStringLiteral("KeywordsLoaded=%1 Count=%2").arg(flag(compiler.KeywordsLoaded)).arg(keywordCount(compiler)));
    for (const QString& name : args.mid(1))
        printKeyword(compiler, name);
    return compiler.KeywordsLoaded ? 0 : 1;
}

const DumpCommand keywordsCommand("--keywords", "FILE.lng NAME...", dumpKeywords);

}
