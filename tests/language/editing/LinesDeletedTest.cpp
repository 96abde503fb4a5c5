#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "language/parser/ParsedDocuments.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "support/FakeHost.h"

#include <QApplication>
#include <QDir>
#include <QWindow>

// Deleting many lines at once, as the user does on a shown view: the model
// that stays is the model of the text that stays, whatever scopes the
// deleted lines opened or closed.
class LinesDeleted : public ParsedDocumentsTest {
protected:
    frmDoc& open(const QByteArray& text) {
        frmDoc& doc = parse(text);
        doc.SubClass();
        doc.m_strDocumentWindowID = QStringLiteral("test.bb");
        host.windows.append({QStringLiteral("test.bb"), &doc, QStringLiteral("test.bb"), QString()});
        doc.resize(640, 480);
        doc.show();
        for (int i = 0; i < 100 && !(doc.windowHandle() && doc.windowHandle()->isExposed()); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        doc.Sci->viewport()->repaint();
        return doc;
    }

    // The model of the text parsed afresh, in a document of the same name.
    QStringList freshModel(const QByteArray& text) {
        QDir(home()).mkpath(QStringLiteral("fresh"));
        frmDoc& fresh = parse(text, QStringLiteral("fresh/test.bb"));
        const QStringList model = DumpModel(project(), fresh, ModelDumpDetail::Full);
        docs.pop_back();
        return model;
    }

    FakeHost host;
};

namespace {

const QByteArray kProgram =
    "Global g\r\n"        // 0
    "Local m1\r\n"
    "Type T\r\n"
    "Field a\r\n"
    "Field b\r\n"
    "End Type\r\n"        // 5
    "Function F(p)\r\n"
    "Local x\r\n"
    "If p Then\r\n"
    "Local y\r\n"
    "EndIf\r\n"           // 10
    "End Function\r\n"
    "Local m2\r\n"
    "Function G()\r\n"
    "Local z\r\n"
    "End Function\r\n"    // 15
    "Type U\r\n"
    "Field c\r\n"
    "End Type\r\n"
    "Field orphan\r\n"
    "Local m3\r\n"        // 20
    "x = 1\r\n";

}

TEST_F(LinesDeleted, TheModelLeftIsTheModelOfTheTextLeft) {
    // First line deleted, and the line after the last one deleted.
    const std::pair<int, int> selections[] = {
        {7, 14},   // from inside F through G's header: G's locals go to F
        {4, 17},   // from inside T through U's header: U's field goes to T
        {9, 13},   // F's end: the main program's locals below go into F
        {11, 16},  // from F's end through G: F reaches down to U
        {1, 21},   // nearly everything
        {0, 22},   // everything
    };
    for (const auto& [first, end] : selections) {
        frmDoc& doc = open(kProgram);
        SciSetSel(SciPositionFromLine(first), SciPositionFromLine(end));
        typeKey(doc.Sci, Qt::Key_Delete, Qt::NoModifier);
        doc.Sci->viewport()->repaint();
        const QByteArray left = SciGetAllText(gSciWndData);
        const QStringList model = DumpModel(project(), doc, ModelDumpDetail::Full);
        EXPECT_EQ(model, freshModel(left)) << "lines " << first << " to " << end;
        EXPECT_EQ(errorLog(), "") << "lines " << first << " to " << end;
        docs.clear();
        host.windows.clear();
    }
}
