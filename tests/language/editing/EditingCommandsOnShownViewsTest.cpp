#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
#include "language/editing/LineCommands.h"
#include "language/parser/ParsedDocuments.h"
#include "support/FakeHost.h"

#include <QApplication>
#include <QWindow>

// The commands and the position history on a shown view whose
// notifications reach the handler, as the user's typing does.
namespace {

class EditingOnShownViews : public ParsedDocumentsTest {
protected:
    frmDoc& open(const QByteArray& text, const QString& name = QStringLiteral("test.bb")) {
        frmDoc& doc = parse(text, name);
        SciEmptyUndoBuffer();
        SciSetSavePoint();
        doc.setDirty(false);
        doc.SubClass();
        doc.m_strDocumentWindowID = name;
        host.windows.append({doc.m_strDocumentWindowID, &doc, doc.Filename()});
        doc.resize(640, 480);
        doc.show();
        for (int i = 0; i < 100 && !(doc.windowHandle() && doc.windowHandle()->isExposed()); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return doc;
    }

    static void typeAt(frmDoc& doc, long line, const QString& text) {
        SciGotoPos(SciGetLineEndPosition(line));
        for (const QChar c : text) {
            typeKey(doc.Sci, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode(), Qt::NoModifier, c);
            doc.Sci->viewport()->repaint();
        }
    }

    FakeHost host;
};

QByteArray assignments(int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "a = " + QByteArray::number(i) + "\r\n";
    return text;
}

}

TEST_F(EditingOnShownViews, TypingRecordsPositionsThatTheStepsReturnTo) {
    frmDoc& doc = open(assignments(300));
    typeAt(doc, 10, QStringLiteral("1"));
    typeAt(doc, 20, QStringLiteral("23"));
    const long endOfTyping = SciGetCurrentPos();
    typeAt(doc, 100, QStringLiteral("4"));
    EXPECT_EQ(gCodeBrowserIndex, 2);
    EXPECT_EQ(gCodeBrowser[3].Sequence, 0);

    GotoPreviousPosition();
    EXPECT_EQ(SciGetCurrentPos(), endOfTyping);
    GotoNextPosition();
    EXPECT_EQ(SciLineFromPosition(SciGetCurrentPos()), 100);
}

TEST_F(EditingOnShownViews, StepsBackFromTheLineWhereAnEntryBeganToWhereItsEditsEnded) {
    frmDoc& doc = open(assignments(300));
    typeAt(doc, 0, QStringLiteral("1"));
    typeAt(doc, 10, QStringLiteral("2"));
    const long endOfTyping = SciGetCurrentPos();
    SciGotoPos(SciGetLineEndPosition(11));
    SciGotoPos(0);

    GotoPreviousPosition();
    EXPECT_EQ(SciGetCurrentPos(), endOfTyping);
    GotoPreviousPosition();
    EXPECT_EQ(SciGetCurrentPos(), endOfTyping) << "nothing older to go to";
}

TEST_F(EditingOnShownViews, IndentingACleanDocumentMarksItChanged) {
    frmDoc& doc = open(assignments(8));
    SciSetSel(SciPositionFromLine(3) + 2, SciPositionFromLine(6));
    IndentSelectedLines();
    EXPECT_TRUE(doc.Dirty());
    EXPECT_EQ(host.documentWindowCaption(QStringLiteral("test.bb")), "test.bb*");
}

// Uncommented lines are styled as a fresh open styles their text: the
// blanks between their tokens are plain, not the comment they were.
TEST_F(EditingOnShownViews, UncommentedLinesTakeTheStylesOfAFreshOpen) {
    const QByteArray commented = ";Print 1 + 2 ,  3\r\n;x = \"a b\"  : y = 4\r\n;If x Then  Print  y\r\n\r\n" + assignments(20);
    frmDoc& doc = open(commented);
    SciSetSel(0, SciPositionFromLine(3));
    UncommentSelectedLines();
    SciGotoPos(SciPositionFromLine(3));
    // The lines are parsed at the update of the first paint, the names restyled at the paint that asks for.
    doc.Sci->viewport()->repaint();
    doc.Sci->viewport()->repaint();
    const QByteArray text = documentText();
    ASSERT_FALSE(text.contains(';')) << text.toStdString();
    const auto styles = [] {
        QList<int> cells;
        for (long position = 0; position < SciPositionFromLine(3); ++position)
            cells.append(int(SciGetStyleAt(position)));
        return cells;
    };
    const QList<int> edited = styles();

    frmDoc& fresh = open(text, QStringLiteral("fresh.bb"));
    SciGotoPos(SciPositionFromLine(3));
    fresh.Sci->viewport()->repaint();
    fresh.Sci->viewport()->repaint();
    EXPECT_EQ(edited, styles());
}
