#include "shell/MainWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

TEST_F(MainWindowTest, ANewFileIsActiveWithItsProjectAndLeavesWithItsWindow) {
    gEnumerateNewFiles = 1;
    NewFile();
    dock::DocumentArea& area = main->DS->documents();
    ASSERT_EQ(area.windowCount(), 1);
    dock::DocumentWindow* window = area.active();
    ASSERT_TRUE(window && gActiveDoc && gActiveProject);
    EXPECT_EQ(window->caption(), "New 1");
    EXPECT_EQ(window->key(), gActiveDoc->FullFilename);
    EXPECT_EQ(gActiveProject->FullPath, gActiveDoc->FullFilename);
    EXPECT_EQ(main->DS->command(QStringLiteral("cboCompilers")).text(), "Blitz");

    area.setVisible(*window, false);
    EXPECT_EQ(area.windowCount(), 0);
    EXPECT_EQ(gProjects.Count(), 0);
    EXPECT_FALSE(gActiveProject);
}

TEST_F(MainWindowTest, ClosingAChangedFileAndAnsweringYesSavesIt) {
    openFiles({QStringLiteral("a.bb")});
    dock::DocumentArea& area = main->DS->documents();
    auto* doc = qobject_cast<frmDoc*>(area.item(homeFile("a.bb")).form());
    ASSERT_TRUE(doc);
    SciLoadText(doc->SciEdi_WndData, "; saved");
    doc->setDirty(true);
    SaveCompilerCommandLine = 0;
    scriptButton(platform::vbYes);
    area.setVisible(area.item(homeFile("a.bb")), false);
    EXPECT_EQ(readAll(homeFile("a.bb")), "; saved");
    EXPECT_EQ(area.windowCount(), 0);
}
