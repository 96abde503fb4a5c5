#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

// The caret's pane on the status bar: it shows a long file's numbers whole
// and keeps its width, so that a key never re-lays out the main window.
namespace {

class LayoutRequests : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

using StatusPanesDisplay = KorvoWindowTest;

}

TEST_F(StatusPanesDisplay, TheCaretPaneShowsLongNumbersWholeAndTypingNeverRelaysTheWindow) {
    QByteArray text;
    for (int i = 1; i < 51891; ++i)
        text += "x = 1\r\n";
    text += "s$ = \"" + QByteArray(700, 'w') + "\"\r\nx = 2\r\n";
    openDocument(QStringLiteral("long.bb"), text);
    auto* pane = main->statusBar()->findChild<QLabel*>(QStringLiteral("Position"));
    ASSERT_TRUE(pane);
    const long line = 51890;
    const auto start = gActiveDoc->Sci->send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    gActiveDoc->Sci->send(QsciScintillaBase::SCI_GOTOPOS, start + 600);
    ASSERT_TRUE(display::click(*editorViewport(), QPoint(editorViewport()->width() / 2, 10)));
    gActiveDoc->Sci->send(QsciScintillaBase::SCI_GOTOPOS, start + 600);
    ASSERT_TRUE(display::waitFor([pane] { return pane->text() == QLatin1String("L: 51891 C: 601"); }))
        << pane->text().toStdString();
    ASSERT_TRUE(display::waitFor([pane] { return pane->isVisible() && pane->width() >= pane->sizeHint().width(); }));
    EXPECT_TRUE(display::expectWidgetAt(*pane, display::screenPoint(*pane, QPoint(pane->width() - 2, pane->height() / 2))));

    // The first key changes the document's caption and enables Undo, once; the keys after it change the pane only.
    display::typeText(QStringLiteral("ab"));
    ASSERT_TRUE(display::waitFor([pane] { return pane->text() == QLatin1String("L: 51891 C: 603"); }))
        << pane->text().toStdString();
    QApplication::processEvents();
    LayoutRequests requests;
    main->installEventFilter(&requests);
    const int width = pane->width();
    display::typeText(QStringLiteral("c"));
    ASSERT_TRUE(display::waitFor([pane] { return pane->text() == QLatin1String("L: 51891 C: 604"); }))
        << pane->text().toStdString();
    for (int i = 0; i < 5; ++i)
        display::keyChord(QStringLiteral("BackSpace"));
    ASSERT_TRUE(display::waitFor([pane] { return pane->text() == QLatin1String("L: 51891 C: 599"); }))
        << pane->text().toStdString();
    QApplication::processEvents();
    main->removeEventFilter(&requests);
    // Six keys; at most one request that does not come again with more keys (no pane changes its size).
    EXPECT_LE(requests.count, 1) << "the main window was laid out again";
    EXPECT_EQ(pane->width(), width);
    EXPECT_GE(pane->width(), pane->sizeHint().width()) << "the pane cuts its text";
    shot();
}
