#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/EditorSetup.h"
#include "editor/SciWrappers.h"
#include "foundation/WindowHelpers.h"
#include "language/editing/NotificationHandler.h"
#include "language/editing/TypingAids.h"
#include "language/model/DeclarationRecords.h"
#include "language/model/ModelDump.h"
#include "language/parser/ParsedDocuments.h"
#include "language/parser/OwnEdits.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "support/FakeHost.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/StyleNumbers.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

// The handler on real, shown views: every update, styling request and
// paint comes from painting, as it does for the user.
class NotificationHandler : public ParsedDocumentsTest {
protected:
    frmDoc& open(const QByteArray& text, const QString& name = QStringLiteral("test.bb")) {
        frmDoc& doc = parse(text, name);
        SciEmptyUndoBuffer();
        SciSetSavePoint();
        doc.setDirty(false);
        doc.SubClass();
        doc.m_strDocumentWindowID = name;
        host.windows.append({name, &doc, name});
        doc.resize(640, 480);
        doc.show();
        for (int i = 0; i < 100 && !(doc.windowHandle() && doc.windowHandle()->isExposed()); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        paint(doc);
        return doc;
    }
    static void paint(frmDoc& doc) { doc.Sci->viewport()->repaint(); }
    // Types each character as a key press, with a paint after each.
    static void type(frmDoc& doc, const QString& text) {
        for (const QChar c : text) {
            typeKey(doc.Sci, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode(), Qt::NoModifier, c);
            paint(doc);
        }
    }
    static void press(frmDoc& doc, int key) {
        typeKey(doc.Sci, key, Qt::NoModifier);
        paint(doc);
    }
    static void clickMarkerMargin(frmDoc& doc, long line, Qt::KeyboardModifiers modifiers) {
        const QPoint at(int(SciGetMarginWidthN(0) + 2), int(SciPointYFromPosition(SciPositionFromLine(line)) + 2));
        QMouseEvent down(QEvent::MouseButtonPress, at, doc.Sci->viewport()->mapToGlobal(at), Qt::LeftButton,
                         Qt::LeftButton, modifiers);
        QApplication::sendEvent(doc.Sci->viewport(), &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, doc.Sci->viewport()->mapToGlobal(at), Qt::LeftButton,
                       Qt::NoButton, modifiers);
        QApplication::sendEvent(doc.Sci->viewport(), &up);
    }
    static QByteArray text() { return SciGetAllText(gSciWndData); }

    FakeHost host;
};

TEST_F(NotificationHandler, ATypedFunctionEntersTheModelOnceTheCaretLeavesItsLine) {
    frmDoc& doc = open("x = 1\r\n\r\n");
    SciGotoLine(1);
    type(doc, "Function Foo(a)");
    EXPECT_FALSE(recordIn<ClsFunkcija>(project().Funkcii, "Foo"));

    press(doc, Qt::Key_Down);
    const auto foo = recordIn<ClsFunkcija>(project().Funkcii, "Foo");
    ASSERT_TRUE(foo);
    EXPECT_TRUE(recordIn<ClsLocalVar>(*foo->Locals, "a"));
    EXPECT_TRUE(hasMarker(1, MARKER_FUNCTION) && hasMarker(1, MARKER_PARSED) && hasMarker(1, MARKER_FOLDSTART));
    EXPECT_FALSE(hasMarker(1, MARKER_MAINPROGRAM));
}

TEST_F(NotificationHandler, NewLinesAreIndentedAndUndoneWithTheirIndentation) {
    frmDoc& doc = open("For i = 1 To 10\r\nNext");
    SciGotoPos(SciGetLineEndPosition(0));
    NewLineInUndo();
    paint(doc);
    EXPECT_EQ(SciGetLineIndentation(1), 4);
    EXPECT_EQ(SciGetLineEndPosition(1), SciGetLineIndentPosition(1));
    EXPECT_EQ(SciLineFromPosition(SciGetCurrentPos()), 1);
    EXPECT_EQ(SciGetColumn(SciGetCurrentPos()), 4);
    SciUndo();
    EXPECT_EQ(text(), "For i = 1 To 10\r\nNext");

    AutoIndentType = 1;
    frmDoc& simple = open("        x = 1", QStringLiteral("simple.bb"));
    SciGotoPos(SciGetLength());
    NewLineInUndo();
    paint(simple);
    EXPECT_EQ(SciGetLineIndentation(1), 8);
    EXPECT_EQ(SciGetCurrentPos(), SciGetLineIndentPosition(1));
}

TEST_F(NotificationHandler, CompleteScopeClosesTheBlockOfTheLineLeft) {
    frmDoc& doc = open("While x");
    SciGotoPos(SciGetLength());
    InsertBlockEnd();
    paint(doc);
    EXPECT_EQ(lineText(0), "While x\r\n");
    EXPECT_EQ(lineText(1), "Wend\r\n");
    SciUndo();
    EXPECT_EQ(text(), "While x");

    frmDoc& plain = open("Print 1", QStringLiteral("plain.bb"));
    SciGotoPos(SciGetLength());
    InsertBlockEnd();
    paint(plain);
    EXPECT_EQ(text(), "Print 1\r\n");
}

TEST_F(NotificationHandler, TypingIsUndoneWordByWord) {
    for (const char* typed : {"ab cd", "ab.cd", "ab  cd"}) {
        frmDoc& doc = open("", QString::fromLatin1(typed) + ".bb");
        type(doc, QString::fromLatin1(typed));
        SciUndo();
        EXPECT_EQ(text(), "ab") << typed;
    }
}

TEST_F(NotificationHandler, TwoSignsAfterANameBecomeAnAssignment) {
    ReplaceVarPlusPlus = 1;
    const QList<std::pair<QString, QByteArray>> cases = {
        {"count++", "count=count+1"}, {"count ++", "count=count+1"}, {"x$--", "x$=x$-1"},
        {"a+b++", "a+b++"},           {"s$ = \"a++", "s$ = \"a++"},  {"; a++", "; a++"},
    };
    for (const auto& [typed, expected] : cases) {
        frmDoc& doc = open("", typed + ".bb");
        type(doc, typed);
        EXPECT_EQ(text(), expected) << typed.toStdString();
        if (expected != typed.toLatin1()) {
            EXPECT_EQ(SciGetCurrentPos(), expected.size()) << typed.toStdString();
        }
    }
}

TEST_F(NotificationHandler, ABackgroundDocumentIsColouredAndTheActiveOneStaysCurrent) {
    frmDoc& background = open("Global g\r\ng = 1\r\n", QStringLiteral("a.bb"));
    const ProjectPtr backgroundProject = gActiveProject;
    frmDoc& active = open("Print 2", QStringLiteral("b.bb"));
    const ProjectPtr activeProject = gActiveProject;
    {
        ScopedCurrentView there(background);
        OwnEdits own;
        SciStartStyling(0, 255);
        SciSetStyling(SciGetLength(), STYLE_Text);
    }
    background.m_oSubclass->RestyleOnNextRequest();
    SendStyleNeeded(background.Sci);

    EXPECT_EQ(SciDirect(background.SciEdi_WndData, QsciScintillaBase::SCI_GETSTYLEAT,
                        SciDirect(background.SciEdi_WndData, QsciScintillaBase::SCI_POSITIONFROMLINE, 1)),
              STYLE_GlobalVar);
    EXPECT_EQ(gActiveDoc, &active);
    EXPECT_EQ(gSciWndData, active.SciEdi_WndData);
    EXPECT_EQ(gActiveProject, activeProject);
    EXPECT_NE(activeProject, backgroundProject);
}

TEST_F(NotificationHandler, ANewDeclarationRecoloursTheOtherShownDocumentsOfTheProject) {
    frmDoc& first = open("x = 1\r\n\r\n", QStringLiteral("first.bb"));
    first.SingleFile = false;
    frmDoc& second = parseInProjectOf(first, "h = 1\r\n", QStringLiteral("second.bb"));
    second.SubClass();
    host.windows.append({QStringLiteral("second.bb"), &second, QStringLiteral("second.bb")});
    second.resize(640, 480);
    second.show();
    paint(second);
    const auto styleInSecond = [&] { return SciDirect(second.SciEdi_WndData, QsciScintillaBase::SCI_GETSTYLEAT, 0); };
    EXPECT_NE(styleInSecond(), STYLE_GlobalVar);

    makeCurrent(first);
    SciGotoLine(1);
    type(first, "Global h");
    press(first, Qt::Key_Down);
    paint(first);
    EXPECT_EQ(styleInSecond(), STYLE_GlobalVar);
    EXPECT_EQ(gActiveDoc, &first);
}

TEST_F(NotificationHandler, AnUndoGroupLeftOpenEndsWithTheDocumentThatOpenedIt) {
    frmDoc& first = open("x = 1", QStringLiteral("first.bb"));
    frmDoc& second = open("y = 2", QStringLiteral("second.bb"));
    makeCurrent(first);
    SciGotoPos(SciGetLength());
    NewLineInUndo();
    makeCurrent(second);
    paint(second);
    makeCurrent(first);
    paint(first);
    type(first, "z");
    SciUndo();
    EXPECT_EQ(text(), "x = 1\r\n");
    SciUndo();
    EXPECT_EQ(text(), "x = 1");
}

TEST_F(NotificationHandler, MarginClicksToggleBookmarksAndBreakpoints) {
    frmDoc& doc = open("x = 1\r\ny = 2\r\n");
    clickMarkerMargin(doc, 1, Qt::ShiftModifier);
    EXPECT_TRUE(hasMarker(1, MARKER_BOOKMARK));
    EXPECT_EQ(host.documentWindowCaption("test.bb"), "test.bb*");

    clickMarkerMargin(doc, 0, Qt::ControlModifier);
    EXPECT_EQ(lineText(0), "Stop :x = 1\r\n");
    EXPECT_TRUE(hasMarker(0, MARKER_BREAKPOINT));
    clickMarkerMargin(doc, 0, Qt::ControlModifier);
    EXPECT_EQ(lineText(0), "x = 1\r\n");
    EXPECT_FALSE(hasMarker(0, MARKER_BREAKPOINT));

    clickMarkerMargin(doc, 0, Qt::NoModifier);
    EXPECT_EQ(lineText(0), "x = 1\r\n");
    EXPECT_FALSE(hasMarker(0, MARKER_BREAKPOINT) || hasMarker(0, MARKER_BOOKMARK));
}

TEST_F(NotificationHandler, ThePanesShowTheCaretAndTheFunctionAroundIt) {
    QByteArray lines;
    for (int i = 0; i < 20; ++i)
        lines += i == 5 ? "Function Foo()\r\n" : "    x = 1\r\n";
    frmDoc& doc = open(lines);
    SciGotoPos(SciPositionFromLine(11) + 4);
    paint(doc);
    EXPECT_EQ(host.statusPaneText("Position"), "L: 12 C: 5");
    EXPECT_EQ(host.statusPaneText("StatusMain").contains("Foo"), true);
}

TEST_F(NotificationHandler, ChangesTheHandlerDoesNotTrackStillMarkTheDocumentChanged) {
    frmDoc& doc = open("x = 1");
    {
        OwnEdits own;
        SciSetLineIndentation(0, 4);
    }
    EXPECT_TRUE(doc.Dirty());
    SciUndo();
    EXPECT_FALSE(doc.Dirty());
}

TEST_F(NotificationHandler, AViewHasNoTextAccessibleWithoutAnAssistiveTechnology) {
    frmDoc& doc = open("x = 1");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(doc.Sci);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->textInterface(), nullptr);
}

TEST_F(NotificationHandler, DroppedFilesOpenAndDroppedFoldersDoNot) {
    frmDoc& doc = open("x = 1");
    const QString path = homeFile(QStringLiteral("a folder with a rather long name that goes on and on and on and on "
                                                 "for well over one hundred and twenty-seven characters/dropped.bb"));
    QDir().mkpath(QFileInfo(path).path());
    writeAll(path, "Print 1");
    emit doc.Sci->SCN_URIDROPPED(QUrl::fromLocalFile(QFileInfo(path).path()));
    emit doc.Sci->SCN_URIDROPPED(QUrl::fromLocalFile(path));
    EXPECT_EQ(host.openedFiles, QStringList({path}));
}

TEST_F(NotificationHandler, AScopeKeywordAtTheCaretShowsItsGuide) {
    frmDoc& doc = open("x = 1\r\n    While x\r\n    Wend\r\n");
    SciGotoPos(SciPositionFromLine(1) + 6);
    paint(doc);
    EXPECT_EQ(SciDirect(gSciWndData, QsciScintillaBase::SCI_GETHIGHLIGHTGUIDE), 4);
    SciGotoPos(2);
    paint(doc);
    EXPECT_EQ(SciDirect(gSciWndData, QsciScintillaBase::SCI_GETHIGHLIGHTGUIDE), 0);
}

TEST_F(NotificationHandler, FocusMarksTheCaretLineOfAnEditorWithoutIt) {
    frmDoc& doc = open("x = 1\r\ny = 2");
    SciGotoLine(1);
    emit doc.Sci->SCN_FOCUSOUT();
    EXPECT_TRUE(hasMarker(1, MARKER_INACTIVELINE));
    emit doc.Sci->SCN_FOCUSIN();
    EXPECT_FALSE(hasMarker(1, MARKER_INACTIVELINE));
}

TEST_F(NotificationHandler, LinesPastedIntoAParsedLineAreAllParsedAtTheNextUpdate) {
    frmDoc& doc = open("Global a\r\nx = 1\r\n");
    SciGotoPos(SciPositionFromLine(1) + 2);
    SciReplaceSel("0\r\nGlobal b\r\nGlobal c\r\ny");
    paint(doc);
    EXPECT_TRUE(recordIn<ClsGlobalVar>(project().Globals, "b") && recordIn<ClsGlobalVar>(project().Globals, "c"));
    for (int line = 0; line < 4; ++line)
        EXPECT_TRUE(hasMarker(line, MARKER_PARSED) && !hasMarker(line, MARKER_REPARSE)) << line;
    EXPECT_EQ(errorLog(), "");
}

TEST_F(NotificationHandler, JoiningAnIndentedLineDropsItsBlanksInOneUndoStep) {
    frmDoc& doc = open("x = 1\r\n        y = 2");
    SciGotoPos(SciGetLineEndPosition(0));
    press(doc, Qt::Key_Delete);
    EXPECT_EQ(text(), "x = 1y = 2");
    SciUndo();
    EXPECT_EQ(text(), "x = 1\r\n        y = 2");
}

// The colouring respells a name to the spelling of its declaration elsewhere
// once the caret has left its line; what the line declares takes that
// spelling too, as the code explorer lists it and a fresh parse would make it.
TEST_F(NotificationHandler, ADeclaredNameRespelledAfterTheCaretLeftTakesTheNewSpellingInTheModel) {
    struct Case {
        QByteArray document;
        int enterAfter;  // Enter at the end of this line, then the typing on the new line
        QString typed;
        QByteArray respelled;
        QStringList declared;  // what DumpModel gives for the new line
    };
    const Case cases[] = {
        {"Global MyVar\r\nFunction Foo(a)\r\n  Print a\r\nEnd Function\r\n", 0, "Global foo", "Global Foo\r\n",
         {"Globals Foo% line=1"}},
        {"Global MyVar\r\nFunction Foo(a)\r\nEnd Function\r\n", 0, "Global myvar", "Global MyVar\r\n",
         {"Globals MyVar% line=1"}},
        {"Function Bar()\r\nEnd Function\r\n", 1, "Function Foo(bar, b$)", "Function Foo(Bar, b$)\r\n",
         {"Funkcii Foo% help=\"Bar, b$\" line=2", "Locals/Foo b$ line=2", "Locals/Foo Bar% line=2"}},
        {"Const Size = 4\r\n", 0, "Dim grid(size) : Local cells[size]", "Dim grid(Size) : Local cells[Size]\r\n",
         {"Locals/*Main Program* cells%[Size] line=1", "Arrays grid%(Size) line=1"}},
    };
    FixVariableCase = 1;
    int n = 0;
    for (const Case& c : cases) {
        frmDoc& doc = open(c.document, QStringLiteral("respelled%1.bb").arg(++n));
        SciGotoPos(SciGetLineEndPosition(c.enterAfter));
        NewLineInUndo();
        paint(doc);
        type(doc, c.typed);
        press(doc, Qt::Key_Down);
        paint(doc);
        const int line = c.enterAfter + 1;
        EXPECT_EQ(lineText(line), c.respelled) << n;
        QStringList declared;
        for (const QString& entry : DumpModel(project(), doc))
            if (entry.endsWith(QStringLiteral(" line=%1").arg(line)))
                declared << entry;
        EXPECT_EQ(declared.join('\n').toStdString(), c.declared.join('\n').toStdString()) << n;
    }
    EXPECT_EQ(errorLog(), "");
}
