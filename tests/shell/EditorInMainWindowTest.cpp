#include "shell/MainWindowFixture.h"

#include "build/ActiveCompiler.h"
#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "platform/scintilla/PaintGuard.h"
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

// Typing a Type block and its end, undoing and redoing, pasting and moving
// by pages in a shown window: no paint ever starts inside a paint or a
// notification.
TEST_F(EditorInMainWindow, EditingInAShownWindowNeverPaintsInsideAPaintOrANotification) {
    QByteArray program;
    for (int i = 0; i < 80; ++i)
        program += "Global g" + QByteArray::number(i) + " = " + QByteArray::number(i) + "\r\n";
    openText(program);
    main->resize(1580, 980);
    main->show();
    for (int i = 0; i < 100 && !(main->windowHandle() && main->windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    SciView* view = gActiveDoc->Sci;
    const int before = platform::reentrantPaints();
    const auto typeLine = [view](const QString& line) {
        for (const QChar c : line)
            typeKey(view, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : Qt::Key_Space, Qt::NoModifier, c);
        typeKey(view, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::processEvents();
    };
    SciGotoPos(SciGetLength() / 2);
    typeLine(QStringLiteral("Type Point"));
    typeLine(QStringLiteral("Field x"));
    typeLine(QStringLiteral("End Type"));
    for (int i = 0; i < 3; ++i) {
        typeKey(view, Qt::Key_Z, Qt::ControlModifier);
        QApplication::processEvents();
    }
    for (int i = 0; i < 3; ++i) {
        typeKey(view, Qt::Key_Y, Qt::ControlModifier);
        QApplication::processEvents();
    }
    typeKey(view, Qt::Key_PageDown, Qt::ShiftModifier);
    typeKey(view, Qt::Key_C, Qt::ControlModifier);
    typeKey(view, Qt::Key_Backspace, Qt::NoModifier);
    typeKey(view, Qt::Key_V, Qt::ControlModifier);
    typeKey(view, Qt::Key_Home, Qt::ControlModifier);
    typeLine(QStringLiteral("End Type"));
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    EXPECT_EQ(platform::reentrantPaints(), before);
    EXPECT_TRUE(text().contains("End Type"));
}
