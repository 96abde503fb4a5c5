#include "ExplorerBench.h"

#include "GeneratedProgram.h"
#include "OpenedDocument.h"
#include "../tools/support/BuiltInKeywords.h"
#include "editor/SciWrappers.h"
#include "explorer/ExplorerListKinds.h"
#include "explorer/frmList.h"
#include "explorer/frmMainList.h"
#include "language/keywords/Compiler.h"
#include "language/parser/Parser.h"
#include "language/parser/Unparse.h"
#include "platform/dock/DockLayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRounds = 5;

// The fastest of a few rounds, in milliseconds; prepare runs untimed before each.
double bestMs(const std::function<void()>& prepare, const std::function<void()>& step) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

}

int RunExplorerBench(int lines, const QString& keywordListing) {
    ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-bench");
    if (!(keywordListing.isEmpty() ? LoadBuiltInKeywords(compiler) : compiler.LoadKeywordsFrom(keywordListing)))
        return 1;
    compiler.SetDefaultKeywords();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("explorer.bb"));
    OpenedDocument doc = OpenSourceText(path, generateProgram(lines));
    if (!doc)
        return 1;
    frmMainList panel;
    frmList& lists = *panel.lists();

    std::printf("code explorer on %ld lines, best of %d rounds\n", long(SciGetLineCount()), kRounds);
    std::printf("full fill           items        ms   us/item\n");
    double globalsFill = 0;
    for (const ExplorerListKind& kind : kExplorerLists) {
        frmList::LastConstruct = kind.name();
        const double ms = bestMs([] { frmList::ForgetFills(); }, [&] { lists.PuniLista(); });
        const int items = lists.list(kind.name())->count();
        std::printf("  %-12s %10d %9.2f %9.3f\n", kind.construct, items, ms, items ? ms * 1000 / items : 0.0);
        if (kind.kind == DeclarationKindId::Global)
            globalsFill = ms;
    }

    frmList::LastConstruct = QStringLiteral("Globals");
    frmList::ForgetFills();
    lists.PuniLista();
    const int added = int(SciGetLineCount());
    SciInsertText(SciGetLength(), QByteArray("\r\n"));
    const auto addGlobal = [added] {
        SciInsertText(SciPositionFromLine(added), QByteArray("Global zzBenchAdded"));
        Parseline(added, false);
    };
    const auto removeGlobal = [&lists, added] {
        UnparseLine(added, false);
        SciSetSel(SciPositionFromLine(added), SciGetLength());
        SciReplaceSel("");
        lists.PuniLista();
    };
    bool first = true;
    const double partial = bestMs(
        [&] {
            if (!first)
                removeGlobal();
            first = false;
            addGlobal();
        },
        [&] { lists.PuniLista(); });
    std::printf("globals refresh after one added Global: %.2f ms (%d items, %.3f of the full fill)\n", partial,
                lists.list(QStringLiteral("Globals"))->count(), globalsFill > 0 ? partial / globalsFill : 0.0);

    const double fileScope = bestMs([&] { panel.DSList->click(panel.DSList->command(QStringLiteral("Project"))); },
                                     [&] { panel.DSList->click(panel.DSList->command(QStringLiteral("File"))); });
    std::printf("switch to file scope (globals shown): %.2f ms\n", fileScope);
    return 0;
}
