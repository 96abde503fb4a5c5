#include "CodeExplorerDump.h"
#include "DumpCommand.h"
#include "DumpDocument.h"
#include "HeadlessMainWindow.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "explorer/ExplorerListKinds.h"
#include "explorer/frmList.h"
#include "explorer/frmMainList.h"
#include "explorer/frmReferences.h"
#include "files/CommandLineFiles.h"
#include "platform/dock/DockLayer.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "shell/ExplorerCommands.h"
#include "vocabulary/SettingsValues.h"

#include <QTreeWidget>

#include <cstdio>

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

    HeadlessMainWindow window;
    if (!window.start(keywords, "--explorer"))
        return 1;
    if (unsorted)
        gUnsortedFunctions = 1;
    OpenFilesFromCommand(JoinCommandLine(args));
    auto* panel = dynamic_cast<frmMainList*>(explorerLists());
    if (!panel || !gActiveProject)
        return 1;
    if (fileScope)
        panel->DSList->click(panel->DSList->command(QStringLiteral("File")));
    for (const ExplorerListKind& kind : kExplorerLists)
        printList(*panel, kind);
    if (review) {
        PrintedReview printed;
        setReviewWindow(&printed);
        ListUnusedVars();
        setReviewWindow(&TheDeclarationReview());
    }
    return 0;
}
