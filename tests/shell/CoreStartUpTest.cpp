#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "editor/EditorFixture.h"
#include "editor/EditorSetup.h"
#include "explorer/frmList.h"
#include "files/Project.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "shell/CoreStartUp.h"

using CoreStartUp = EditorTest;

TEST_F(CoreStartUp, ResettingTheSessionLeavesNothingOpenActiveOrCarriedOver) {
    gProjects.Add(std::make_shared<ClsProject>(), "/work/game.kpf");
    auto doc = openDocument("Print 1");
    doc->PrjFullPath = "/work/game.kpf";
    ActivateDocument(doc.get());
    gCompilers.Add(std::make_shared<ClsCompiler>(), "Blitz");
    gActiveCompiler = gCompilers.Item(1);
    gUndoGroupOpen = true;
    gCurrentType = "Player";
    gCurrentLocals = std::make_shared<clsHash>();
    gFoldLevel = 3;
    gParsingFile = true;
    frmList::TypesProjectFullPath = "/work/game.kpf";

    ResetSession();
    EXPECT_EQ(gActiveDoc, nullptr);
    EXPECT_FALSE(gSciWndData);
    EXPECT_EQ(gActiveProject, nullptr);
    EXPECT_EQ(gProjects.Count(), 0);
    EXPECT_EQ(gCompilers.Count(), 0);
    EXPECT_EQ(gActiveCompiler, nullptr);
    EXPECT_FALSE(gUndoGroupOpen);
    EXPECT_EQ(gCurrentType, "");
    EXPECT_EQ(gCurrentLocals, nullptr);
    EXPECT_EQ(gFoldLevel, 0);
    EXPECT_FALSE(gParsingFile);
    EXPECT_EQ(frmList::TypesProjectFullPath, "");
}
