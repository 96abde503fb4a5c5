#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "build/CompilerList.h"
#include "build/KeywordRefresh.h"
#include "language/keywords/Compiler.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// Refreshes the keyword definitions of the compiler entry NAME, taken from
// conf/compilers.dat in KORVO_HOME or made for the run, and prints what
// became of its keyword file.
int dumpRefresh(const QStringList& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "korvo-dump --refresh: give a compiler name and an installation folder\n");
        return 2;
    }
    StartHeadlessKorvo();
    const QString name = args[0];
    const QString folder = args[1];
    if (QFileInfo::exists(CompilerListPath()))
        LoadCompilers();
    if (!gCompilers.Exist_Key(name)) {
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->Name = name;
        compiler->Path = folder;
        gCompilers.Add(compiler, name);
    }
    RefreshDefinitions(name, folder);

    const QFileInfo keywordFile(KeywordFilePath(name));
    printLine(keywordFile.exists() ? QStringLiteral("%1 %2").arg(keywordFile.filePath()).arg(keywordFile.size())
                                   : keywordFile.filePath() + QStringLiteral(" (none)"));
    const CompilerPtr compiler = gCompilers.Item(name);
    printLine(QStringLiteral("KeywordsLoaded=%1").arg(compiler->KeywordsLoaded ? 1 : 0));
    return compiler->KeywordsLoaded ? 0 : 1;
}

const DumpCommand refreshCommand("--refresh", "NAME FOLDER", dumpRefresh);

}
