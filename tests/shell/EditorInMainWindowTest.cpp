#include "shell/MainWindowFixture.h"

#include "build/ActiveCompiler.h"
#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "shell/StatusObjects.h"

#include <QApplication>
#include <QUrl>
#include <QWindow>

using EditorInMainWindow = MainWindowTest;

TEST_F(EditorInMainWindow, AnEditorOpensTheFilesDroppedOnItAndFeedsThePanesAndTheUndoCommand) {
    openFiles({QStringLiteral("a.bb")});
    dock::DocumentArea& area = main->DS->documents();
    auto* a = qobject_cast<frmDoc*>(area.item(homeFile(QStringLiteral("a.bb"))).form());
    ASSERT_TRUE(a);
    writeAll(homeFile(QStringLiteral("b.bb")), "Print 2\r\n");
    emit a->Sci->SCN_URIDROPPED(QUrl::fromLocalFile(homeFile(QStringLiteral("b.bb"))));
    ASSERT_TRUE(area.find(homeFile(QStringLiteral("b.bb"))));
    auto* b = qobject_cast<frmDoc*>(area.item(homeFile(QStringLiteral("b.bb"))).form());
    area.activate(area.item(homeFile(QStringLiteral("b.bb"))));
    ASSERT_EQ(gActiveDoc, b);
    ASSERT_TRUE(gActiveCompiler);
    EXPECT_EQ(gActiveCompiler->Name, QStringLiteral("Blitz"));

    main->show();
    for (int i = 0; i < 100 && !(main->windowHandle() && main->windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    SciGotoPos(3);
    b->Sci->viewport()->repaint();
    EXPECT_EQ(gPositionPane->text(), QStringLiteral("L: 1 C: 4"));
    EXPECT_FALSE(main->DS->command(QStringLiteral("Undo")).enabled());
    typeKey(b->Sci, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    b->Sci->viewport()->repaint();
    EXPECT_TRUE(main->DS->command(QStringLiteral("Undo")).enabled());
    EXPECT_EQ(area.item(homeFile(QStringLiteral("b.bb"))).caption(), QStringLiteral("b.bb*"));
}
