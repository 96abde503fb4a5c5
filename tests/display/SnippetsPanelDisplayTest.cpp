#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "aids/frmSnippets.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

class SnippetsPanelDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        QDir().mkpath(homeFile(QStringLiteral("Snippets/Loops")));
        writeAll(homeFile(QStringLiteral("Snippets/Loops/count.bb")), "For i = 1 To 10\r\nNext\r\n");
        writeAll(homeFile(QStringLiteral("Snippets/hello.bb")), "Print \"hello\"\r\n");
        writeAll(homeFile(QStringLiteral("Snippets/Loops/indented.bb")), "For i = 1 To 10\r\n\tPrint i\r\nNext\r\n");
    }

    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        openDocument(QStringLiteral("main.bb"), "");
        panel = qobject_cast<frmSnippets*>(showPanel(QStringLiteral("Snippets")));
        ASSERT_TRUE(panel);
        ASSERT_TRUE(display::waitFor([this] { return panel->node(homeFile(QStringLiteral("Snippets/hello"))) != nullptr; }));
    }

    // The centre of a node's row in the tree's viewport.
    QPoint rowOf(const QString& relative) const {
        QTreeWidgetItem* item = panel->node(homeFile(QStringLiteral("Snippets/") + relative));
        EXPECT_TRUE(item) << relative.toStdString();
        return item ? panel->tvSnippets->visualItemRect(item).center() : QPoint();
    }

    QWidget* tree() const { return panel->tvSnippets->viewport(); }

    frmSnippets* panel = nullptr;
};

}

TEST_F(SnippetsPanelDisplay, AClickPreviewsADoubleClickInsertsAndTheRightButtonOpensTheMenu) {
    ASSERT_TRUE(display::click(*tree(), rowOf(QStringLiteral("hello"))));
    EXPECT_TRUE(display::waitFor([this] { return panel->rtfPreview->toPlainText().startsWith(QLatin1String("Print \"hello\"")); }))
        << panel->rtfPreview->toPlainText().toStdString();
    shot(QStringLiteral("preview"));

    ASSERT_TRUE(display::doubleClick(*tree(), rowOf(QStringLiteral("hello"))));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "Print \"hello\"\r\n"; })) << editorText().toStdString();

    const QStringList menu = popupAfter([this] { display::rightClick(*tree(), rowOf(QStringLiteral("hello"))); });
    EXPECT_TRUE(menu.contains(QStringLiteral("Insert Snippet"))) << menu.join(QLatin1String(", ")).toStdString();
}

TEST_F(SnippetsPanelDisplay, ASnippetDraggedIntoTheEditorIsInserted) {
    panel->node(homeFile(QStringLiteral("Snippets/Loops")))->setExpanded(true);
    ASSERT_TRUE(display::drag(*tree(), rowOf(QStringLiteral("Loops/count")), *editorViewport()));
    EXPECT_TRUE(display::waitFor([this] { return editorText().contains("For i = 1 To 10"); })) << editorText().toStdString();
    shot();
}

TEST_F(SnippetsPanelDisplay, ADroppedSnippetKeepsItsIndentationTheEditorTakesTheKeysAndThePreviewFollowsTheDrag) {
    panel->node(homeFile(QStringLiteral("Snippets/Loops")))->setExpanded(true);
    ASSERT_TRUE(display::click(*tree(), rowOf(QStringLiteral("hello"))));
    ASSERT_TRUE(display::waitFor([this] { return panel->rtfPreview->toPlainText().startsWith(QLatin1String("Print")); }));
    ASSERT_TRUE(display::drag(*tree(), rowOf(QStringLiteral("Loops/indented")), *editorViewport()));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "For i = 1 To 10\r\n\tPrint i\r\nNext\r\n"; })) << editorText().toStdString();
    EXPECT_TRUE(panel->rtfPreview->toPlainText().startsWith(QLatin1String("For i"))) << panel->rtfPreview->toPlainText().toStdString();
    EXPECT_TRUE(display::waitFor([] { return QApplication::focusWidget() == gActiveDoc->Sci; }))
        << "the keys went to " << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing");
    shot();
    display::keyChord(QStringLiteral("ctrl+End"));
    display::typeText(QStringLiteral("x"));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "For i = 1 To 10\r\n\tPrint i\r\nNext\r\nx"; })) << editorText().toStdString();
    display::keyChord(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "For i = 1 To 10\r\n\tPrint i\r\nNext\r\n"; })) << editorText().toStdString();
}
