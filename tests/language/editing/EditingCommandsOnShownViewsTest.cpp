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
    frmDoc& open(const QByteArray& text) {
        frmDoc& doc = parse(text);
        SciEmptyUndoBuffer();
        SciSetSavePoint();
        doc.setDirty(false);
        doc.SubClass();
        doc.m_strDocumentWindowID = QStringLiteral("test.bb");
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
