#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/Host.h"

#include "support/CompletionListWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QListWidget>
#include <QPointer>

#include <cstdlib>

#include <Qsci/qsciscintillabase.h>

// Typing a name into the real window: the completion list opens under the
// caret, keeps its window while a key leaves its names as they are, narrows
// when a name no longer fits, and a double-click on a name completes it.
namespace {

class CompletionListDisplay : public KorvoWindowTest {
protected:
    static bool listOf(int names) { return ShownCompletionList() && ShownCompletionList()->count() == names; }
};

}

TEST_F(CompletionListDisplay, TypingANameNarrowsItsListAndADoubleClickCompletesIt) {
    openDocument(QStringLiteral("Complete.bb"), "Global scores\r\nGlobal scorer\r\nGlobal scorpion\r\n\r\n");
    QWidget* view = editorViewport();
    ASSERT_TRUE(display::click(*view, QPoint(view->width() / 2, view->height() - 10)));
    display::keyChord(QStringLiteral("ctrl+End"));

    display::typeText(QStringLiteral("sco"));
    ASSERT_TRUE(display::waitFor([] { return listOf(3); }));
    QPointer<QListWidget> list = ShownCompletionList();
    ASSERT_TRUE(display::expectWidgetAt(*list->viewport(), display::screenPoint(*list->viewport())));
    shot(QStringLiteral("three-names"));

    // The view has painted the key, and so has completed after it, once its caret pane moved on.
    display::typeText(QStringLiteral("r"));
    ASSERT_TRUE(display::waitFor(
        [] { return platform::host().statusPaneText(QStringLiteral("Position")).endsWith(QStringLiteral("C: 5")); }))
        << platform::host().statusPaneText(QStringLiteral("Position")).toStdString();
    EXPECT_EQ(ShownCompletionList(), list.data());

    display::typeText(QStringLiteral("e"));
    ASSERT_TRUE(display::waitFor([] { return listOf(2); }));
    list = ShownCompletionList();
    const QList<QListWidgetItem*> scores = list->findItems(QStringLiteral("scores"), Qt::MatchExactly);
    ASSERT_EQ(scores.size(), 1);
    const QPoint atScores = list->visualItemRect(scores.front()).center();
    ASSERT_TRUE(display::expectWidgetAt(*list->viewport(), display::screenPoint(*list->viewport(), atScores)));
    const QPoint highlighted = display::screenPoint(*list->viewport(), list->visualItemRect(list->currentItem()).center());
    const QRgb highlight = list->palette().color(QPalette::Highlight).rgb();
    ASSERT_TRUE(display::doubleClick(*list->viewport(), atScores));
    ASSERT_TRUE(display::waitFor([this] { return editorText().endsWith("\r\nscores"); })) << editorText().toStdString();
    EXPECT_TRUE(display::waitFor([] { return !gActiveDoc->Sci->send(QsciScintillaBase::SCI_AUTOCACTIVE); }));
    EXPECT_TRUE(display::waitFor([] { return !ShownCompletionList(); }));
    // Where the list was, the screen shows the editor again.
    EXPECT_TRUE(display::waitFor([&] {
        const QRgb shown = QGuiApplication::primaryScreen()->grabWindow(0, highlighted.x(), highlighted.y(), 1, 1).toImage().pixel(0, 0);
        return std::abs(qRed(shown) - qRed(highlight)) + std::abs(qGreen(shown) - qGreen(highlight)) +
                   std::abs(qBlue(shown) - qBlue(highlight)) > 60;
    }));
    shot(QStringLiteral("completed"));
}
