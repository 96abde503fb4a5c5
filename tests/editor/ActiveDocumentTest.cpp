#include "editor/ActiveDocument.h"
#include "editor/EditorFixture.h"
#include "editor/EditorSetup.h"
#include "files/Project.h"
#include "language/editing/NotificationHandler.h"
#include "language/parser/ParseState.h"

#include <QList>

using ActiveDocument = EditorTest;

TEST_F(ActiveDocument, ActivatingMakesTheDocumentItsViewAndItsProjectCurrentAndTellsListeners) {
    auto project = std::make_shared<ClsProject>();
    gProjects.Add(project, "/work/game.kpf");
    auto doc = openDocument("Print 1");
    doc->PrjFullPath = "/work/game.kpf";
    QList<frmDoc*> told;
    QObject listener;
    QObject::connect(&activeDocumentNotifier(), &ActiveDocumentNotifier::activeDocumentChanged, &listener,
                     [&](frmDoc* active) { told.append(active); });

    gUndoGroupOpen = true;
    gCurrentFunction = "Old";
    doc->m_oSubclass->mOldStartLine = 12;
    doc->m_oSubclass->mJustActivated = false;
    ActivateDocument(doc.get());
    EXPECT_EQ(gActiveDoc, doc.get());
    EXPECT_EQ(gSciWndData, doc->SciEdi_WndData);
    EXPECT_EQ(gActiveProject, project);
    EXPECT_FALSE(gUndoGroupOpen);
    EXPECT_EQ(gCurrentFunction, "");
    EXPECT_EQ(doc->m_oSubclass->mOldStartLine, cSubclass::kRestyleAll);
    EXPECT_TRUE(doc->m_oSubclass->mJustActivated);

    ActivateDocument(nullptr);
    EXPECT_EQ(gActiveDoc, nullptr);
    EXPECT_FALSE(gSciWndData);
    EXPECT_EQ(gActiveProject, nullptr);
    EXPECT_EQ(told, QList<frmDoc*>({doc.get(), nullptr}));
}

TEST_F(ActiveDocument, ADocumentOfAProjectThatIsNotOpenLeavesNoProjectActive) {
    gProjects.Add(std::make_shared<ClsProject>(), "/work/game.kpf");
    auto doc = openDocument("Print 1");
    doc->PrjFullPath = "/work/closed.kpf";
    ActivateDocument(doc.get());
    EXPECT_EQ(gActiveDoc, doc.get());
    EXPECT_EQ(gActiveProject, nullptr);
}
