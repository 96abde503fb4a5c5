#include "shell/ExplorerCommands.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/CurrentWord.h"
#include "editor/WaitCursor.h"
#include "editor/frmDoc.h"
#include "explorer/ExplorerListKinds.h"
#include "explorer/ExplorerServices.h"
#include "files/Project.h"
#include "foundation/MessageHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/model/CodeModel.h"
#include "language/parser/DocumentPasses.h"
#include "platform/Host.h"
#include "platform/WindowUpdateLock.h"
#include "shell/DocumentActivation.h"
#include "shell/ViewCommands.h"
#include "shell/frmMain.h"
#include "vocabulary/WindowKeys.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace {

const QString kModule = QStringLiteral("Mod_MenuCommands");
constexpr int kHelpPageChecks = 50;
constexpr int kHelpPageCheckMs = 20;

// Each step on its own: a list that cannot answer keeps what it had.
void leaveList(ExplorerLists& lists) {
    const QString left = lists.LastConstruct();
    RunIgnoringErrors([&] { lists.SetListChecked(left, false); });
    RunIgnoringErrors([&] { lists.SetColWidth1(lists.ColumnWidth(left, 1)); });
    if (!lists.ShowOnlyFile())
        RunIgnoringErrors([&] { lists.SetColWidth2(lists.ColumnWidth(left, 2)); });
}

void yieldForMs(int ms) {
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

// The project's open documents by window key, in the host's order.
QList<QPair<QString, QPointer<frmDoc>>> openDocumentsOf(const ClsProject& project) {
    QList<QPair<QString, QPointer<frmDoc>>> documents;
    platform::Host& host = platform::host();
    for (const QString& key : host.documentWindowKeys()) {
        if (key == kHelpWindowKey)
            continue;
        auto* doc = qobject_cast<frmDoc*>(host.documentWindow(key));
        if (doc && doc->PrjFullPath == project.FullPath)
            documents.append({key, doc});
    }
    return documents;
}

void collectReferences(const QString& key, frmDoc& doc) {
    platform::host().activateDocumentWindow(key);
    ScopedCurrentView current(doc);
    CollectReferencesInFile();
}

}

void ExploreFocusOn(const QString& Name) {
    ExplorerLists* lists = explorerLists();
    if (!lists) {
        ShowNotAvailable();
        return;
    }
    leaveList(*lists);
    try {
        lists->SetLastConstruct(Name);
        lists->SetListChecked(Name, true);
        lists->PuniLista();
        if (!lists->Visible())
            ToggleDockWindow(QStringLiteral("CodeExplorer"));
        if (FindExplorerList(Name))
            lists->FocusList(Name);
    } catch (...) {
        SetErrorLog(QStringLiteral("ExploreFocusOn"), kModule);
    }
}

void KeywordHelp() {
    HelpHost* help = helpHost();
    if (!help) {
        ShowNotAvailable();
        return;
    }
    try {
        if (gActiveDoc)
            gLastEditorWindowID = gActiveDoc->m_strDocumentWindowID;
        if (!help->Visible() && MainWindow())
            MainWindow()->OpenBrowser();
        if (!help->ShowBrowserHelp(IsEditorActive() ? GetCurrentWord() : QString())) {
            QApplication::beep();
            return;
        }
        for (int check = 0; check < kHelpPageChecks && help->ReadyState() == 1; ++check)
            yieldForMs(kHelpPageCheckMs);
        platform::host().activateDocumentWindow(help->HelpWindowID());
    } catch (...) {
        SetErrorLog(QStringLiteral("KeywordHelp"), kModule);
    }
}

void ListUnusedVars() {
    ReviewWindow* review = reviewWindow();
    if (!review) {
        ShowNotAvailable();
        return;
    }
    const ProjectPtr project = gActiveProject;
    if (!project)
        return;
    try {
        {
            WaitCursorScope waiting;
            const QString previousKey = gPreviousDocWindowKey;
            const QString activeKey = gActiveDoc ? gActiveDoc->FullFilename : QString();
            platform::ScopedWindowUpdateLock frozen(MainWindow());
            // References left by an interrupted review would count as uses.
            ForEachRecord(project->Model, [](CodeRecord& record) { record.ClearReferences(); });
            for (const auto& [key, doc] : openDocumentsOf(*project))
                if (doc)
                    collectReferences(key, *doc);
            if (!activeKey.isEmpty())
                platform::host().activateDocumentWindow(activeKey);
            gPreviousDocWindowKey = previousKey;
        }
        review->ShowModal(MainWindow());
    } catch (...) {
        SetErrorLog(QStringLiteral("ListUnusedVars"), kModule);
    }
}
