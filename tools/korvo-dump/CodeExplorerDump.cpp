#include "CodeExplorerDump.h"
#include "DumpCommand.h"
#include "DumpDocument.h"
#include "DumpHost.h"
#include "../support/BuiltInKeywords.h"
#include "../support/HeadlessKorvo.h"
#include "../support/OpenedDocument.h"

#include "editor/SciWrappers.h"
#include "explorer/ExplorerListKinds.h"
#include "explorer/frmList.h"
#include "explorer/frmMainList.h"
#include "explorer/frmReferences.h"
#include "files/ProjectLoading.h"
#include "foundation/FileHelpers.h"
#include "platform/dock/DockLayer.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "shell/ExplorerCommands.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>
#include <QTreeWidget>

#include <cstdio>
#include <vector>

namespace {

void printCompanion(const CodeListView& companion) {
    for (int i = 0; i < companion.count(); ++i)
        printLine(QStringLiteral("  ") + companion.at(i)->name());
}

void printList(frmMainList& panel, const ExplorerListKind& kind) {
    panel.DSList->click(panel.DSList->command(kind.name()));
    printLine(QLatin1Char('[') + kind.name() + QLatin1Char(']'));
    frmList& lists = *panel.lists();
    CodeListView& view = *lists.list(kind.name());
    const bool fileShown = !view.isColumnHidden(1);
    for (int i = 0; i < view.count(); ++i) {
        CodeListItem* item = view.at(i);
        const long line = SciMarkerLineFromHandle(item->view, item->key().handle);
        printLine(item->name() + QLatin1Char('\t') + (fileShown ? item->file() : QString()) + QLatin1Char('\t') +
                  QString::number(line));
        if (kind.kind == DeclarationKindId::Function) {
            lists.lvFunctions_ItemClick(item);
            printCompanion(*lists.lvLocals());
        } else if (kind.kind == DeclarationKindId::Type) {
            lists.lvTypes_ItemClick(item);
            printCompanion(*lists.lvFields());
        }
    }
}

// Activates each row in turn and prints where the selection went.
class PrintedReview : public ReviewWindow {
public:
    void ShowModal(QWidget* owner) override {
        frmReferences form(owner);
        QTreeWidget* rows = form.lvReferences();
        for (int i = 0; i < rows->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = rows->topLevelItem(i);
            rows->setCurrentItem(row);
            form.lvReferences_DblClick();
            printLine(row->text(0) + QLatin1Char('\t') + row->text(1) + QLatin1Char('\t') + row->text(2) + QLatin1Char('\t') +
                      QString::number(SciGetAnchor()) + QLatin1Char(' ') + QString::number(SciGetCurrentPos()));
        }
        form.ShowModal();
    }
};

}

int DumpCodeExplorer(QStringList args) {
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    const bool fileScope = takeFlag(args, QStringLiteral("--file"));
    const bool unsorted = takeFlag(args, QStringLiteral("--unsorted"));
    const bool review = takeFlag(args, QStringLiteral("--review"));
    if (missing || args.isEmpty())
        return kWrongArguments;
    for (const QString& arg : std::as_const(args))
        if (arg.startsWith(QLatin1String("--")))
            return kWrongArguments;

    StartHeadlessKorvo();
    DumpHost host;
    ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-dump");
    if (!(keywords.isEmpty() ? LoadBuiltInKeywords(compiler) : compiler.LoadKeywordsFrom(keywords)))
        return 1;
    compiler.SetDefaultKeywords();
    if (unsorted)
        gUnsortedFunctions = 1;

    std::vector<OpenedDocument> documents;
    for (const QString& arg : std::as_const(args)) {
        const QString path = QFileInfo(arg).absoluteFilePath();
        if (GetExtension(path) == QLatin1String(".KPF")) {
            if (!LoadProject(path)) {
                std::fprintf(stderr, "korvo-dump: cannot open the project %s\n", path.toUtf8().constData());
                return 1;
            }
            continue;
        }
        OpenedDocument doc = OpenSourceFile(path);
        if (!doc) {
            std::fprintf(stderr, "korvo-dump: cannot open %s\n", path.toUtf8().constData());
            return 1;
        }
        documents.push_back(std::move(doc));
    }

    frmMainList panel;
    if (fileScope)
        panel.DSList->click(panel.DSList->command(QStringLiteral("File")));
    for (const ExplorerListKind& kind : kExplorerLists)
        printList(panel, kind);
    if (review) {
        PrintedReview printed;
        setReviewWindow(&printed);
        ListUnusedVars();
        setReviewWindow(&TheDeclarationReview());
    }
    return 0;
}
