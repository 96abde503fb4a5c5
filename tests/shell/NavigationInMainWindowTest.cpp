#include "shell/MainWindowFixture.h"

#include "editor/BookmarkSteps.h"
#include "editor/CurrentView.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"
#include "build/CompilerList.h"
#include "language/keywords/KeywordFiles.h"
#include "language/complete/CallTips.h"
#include "language/complete/ScopeDisplay.h"
#include "vocabulary/Markers.h"

// Jumps, the position history and the quick-help line in Korvo's own main
// window, whose docking layer activates the documents.
namespace {

class NavigationInMainWindowTest : public MainWindowTest {
protected:
    void open(const QList<QPair<QString, QByteArray>>& files) {
        const auto blitz = gCompilers.Item(QStringLiteral("Blitz"));
        ASSERT_TRUE(blitz->LoadKeywordsFromText(keywordFileText({}, 0)));
        blitz->SetDefaultKeywords();
        QStringList paths;
        for (const auto& [name, text] : files) {
            writeAll(homeFile(name), text);
            paths.append(homeFile(name));
        }
        main->Text1_Change(JoinCommandLine(paths));
    }

    frmDoc* document(const QString& name) const {
        return qobject_cast<frmDoc*>(main->DS->documents().item(homeFile(name)).form());
    }

    void activate(const QString& name) {
        main->DS->documents().activate(main->DS->documents().item(homeFile(name)));
    }
};

long caretLine() {
    return SciLineFromPosition(SciGetCurrentPos());
}

}

TEST_F(NavigationInMainWindowTest, TheQuickHelpLineShowsTheCallAndIsAsWideAsItsText) {
    open({{QStringLiteral("a.bb"), "Function Foo(a, b)\r\nEnd Function\r\nFoo(1, \r\n"},
          {QStringLiteral("b.bb"), "While a\r\nWend\r\n"}});
    activate(QStringLiteral("a.bb"));
    SciGotoPos(SciGetLineEndPosition(2));
    ShowCalltip();
    EXPECT_EQ(main->Rtb->Text(), "Foo (a, b) ");

    const QString longLine = QStringLiteral("While ") + QString(78, QLatin1Char('w'));
    SciSetSel(0, SciGetLength());
    SciReplaceSel(longLine + QStringLiteral("\r\nWend\r\n"));
    ShowStartScope(1);
    EXPECT_EQ(main->Rtb->Text(), " SCOPE: " + longLine.left(80) + "...");
    EXPECT_GE(main->Rtb->widthTwips(), main->TextWidth(main->Rtb->Text()));

    activate(QStringLiteral("b.bb"));
    EXPECT_TRUE(main->Rtb->Text().isEmpty()) << "activation shows the new caret's help";
}

TEST_F(NavigationInMainWindowTest, StepsActivateDocumentsThroughTheDockingLayer) {
    open({{QStringLiteral("a.bb"), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n"}, {QStringLiteral("b.bb"), "1\r\n2\r\n3\r\n4\r\n"}});
    activate(QStringLiteral("a.bb"));
    SciMarkerAdd(4, MARKER_BOOKMARK);
    SciGotoLine(4);
    CheckCBrowser(SciGetCurrentPos(), 4);
    activate(QStringLiteral("b.bb"));
    SciMarkerAdd(2, MARKER_BOOKMARK);
    SciGotoLine(3);

    GotoNextBookmark();
    EXPECT_EQ(gActiveDoc, document(QStringLiteral("a.bb")));
    EXPECT_EQ(main->DS->documents().active(), &main->DS->documents().item(homeFile(QStringLiteral("a.bb"))));
    EXPECT_EQ(caretLine(), 4);

    activate(QStringLiteral("b.bb"));
    GotoPreviousPosition();
    EXPECT_EQ(gActiveDoc, document(QStringLiteral("a.bb")));
    EXPECT_EQ(caretLine(), 4);
}
