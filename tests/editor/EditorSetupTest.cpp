#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/EditorSetup.h"
#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

#include <limits>

using S = QsciScintillaBase;
using EditorSetup = EditorTest;

namespace {
long ask(const frmDoc& doc, unsigned int message, unsigned long wParam = 0) {
    return SciDirect(doc.SciEdi_WndData, message, wParam);
}

QByteArray lines(int count) {
    QByteArray text;
    for (int i = 1; i < count; ++i)
        text += "x\r\n";
    return text;
}
}

TEST_F(EditorSetup, AnInitialisedDocumentIsAnEightBitCrlfEditor) {
    auto doc = openDocument("Print 1\r\n");
    EXPECT_EQ(ask(*doc, S::SCI_GETCODEPAGE), 0);
    EXPECT_EQ(ask(*doc, S::SCI_GETEOLMODE), 0);
    EXPECT_EQ(ask(*doc, S::SCI_GETMODEVENTMASK), 0xC00);
    EXPECT_EQ(ask(*doc, S::SCI_GETLEXER), 0);
    EXPECT_EQ(ask(*doc, S::SCI_GETTABWIDTH), 4);
    EXPECT_EQ(ask(*doc, S::SCI_GETMARGINMASKN, 1), 0x01DFFFFF);
    EXPECT_EQ(ask(*doc, S::SCI_GETMARGINMASKN, 2), static_cast<long>(static_cast<int>(0xFE000000)));
    EXPECT_EQ(ask(*doc, S::SCI_MARKERSYMBOLDEFINED, 23), S::SC_MARK_ROUNDRECT);
    EXPECT_EQ(ask(*doc, S::SCI_MARKERSYMBOLDEFINED, 21), S::SC_MARK_CIRCLE);
    EXPECT_EQ(ask(*doc, S::SCI_MARKERSYMBOLDEFINED, 30), S::SC_MARK_BOXPLUS);
    EXPECT_EQ(SciGetCharAt(SciGetLength() - 3), '1');

    SciGotoPos(SciGetLength());
    SciNewLine();
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), QByteArray("Print 1\r\n\r\n"));
}

TEST_F(EditorSetup, OnlyTheEditorsOwnKeysActInTheView) {
    auto doc = openDocument("Print \"a\"\r\nEnd\r\n");
    SciGotoPos(3);
    const QByteArray before = SciGetAllText(doc->SciEdi_WndData);
    typeKey(doc->Sci, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    typeKey(doc->Sci, Qt::Key_D, Qt::ControlModifier, QStringLiteral("\x04"));
    typeKey(doc->Sci, Qt::Key_L, Qt::ControlModifier, QStringLiteral("\x0c"));
    typeKey(doc->Sci, Qt::Key_T, Qt::ControlModifier, QStringLiteral("\x14"));
    typeKey(doc->Sci, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x14"));
    typeKey(doc->Sci, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), before);
    EXPECT_EQ(SciGetSelectionStart(), 3);
    EXPECT_EQ(SciGetSelectionEnd(), 3);

    typeKey(doc->Sci, Qt::Key_End, Qt::NoModifier);
    EXPECT_EQ(SciGetCurrentPos(), 9);
    typeKey(doc->Sci, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(SciGetSelectionStart(), 0);
    typeKey(doc->Sci, Qt::Key_Delete, Qt::NoModifier);
    typeKey(doc->Sci, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), QByteArray("x\r\nEnd\r\n"));
}

TEST_F(EditorSetup, HomeGoesToTheFirstCharacterOrColumnZero) {
    auto doc = openDocument("    Local a");
    SciGotoPos(8);
    typeKey(doc->Sci, Qt::Key_Home, Qt::NoModifier);
    EXPECT_EQ(SciGetCurrentPos(), 4);

    HomeGoesToFirst = 1;
    SetSciOptions(false);
    SciGotoPos(8);
    typeKey(doc->Sci, Qt::Key_Home, Qt::NoModifier);
    EXPECT_EQ(SciGetCurrentPos(), 0);
}

TEST_F(EditorSetup, MarginsFollowTheOptions) {
    auto doc = openDocument(lines(999));
    EXPECT_EQ(SciGetMarginWidthN(1), 20);
    EXPECT_EQ(SciGetMarginWidthN(2), 16);
    const long fourZeros = SciTextWidth(33, "0000");
    EXPECT_EQ(SciGetMarginWidthN(0), fourZeros);

    SciDocumentEnd();
    SciInsertText(SciGetLength(), "\r\n");
    UpdateLineNumberMargin();
    EXPECT_EQ(SciGetMarginWidthN(0), SciTextWidth(33, "00000"));
    SciInsertText(SciGetLength(), lines(10000 - 1000 + 1));
    ASSERT_EQ(SciGetLineCount(), 10000);
    UpdateLineNumberMargin();
    EXPECT_EQ(SciGetMarginWidthN(0), SciTextWidth(33, "000000"));

    SciMarkerAdd(0, 4);
    ShowMarkerMargin = 0;
    ShowFoldMargin = 0;
    ShowLineNumbers = 0;
    BreakpointsAsBackground = 1;
    SetSciOptions(false);
    EXPECT_EQ(SciGetMarginWidthN(1), 0);
    EXPECT_EQ(SciGetMarginWidthN(2), 0);
    EXPECT_EQ(SciGetMarginWidthN(0), 1);
    EXPECT_EQ(SciMarkerGet(0), 1 << 4);
    EXPECT_EQ(ask(*doc, S::SCI_MARKERSYMBOLDEFINED, 23), S::SC_MARK_BACKGROUND);
}

TEST_F(EditorSetup, AnOverflowingOptionIsLoggedAndStopsThere) {
    auto doc = openDocument("text");
    TabValue = 7;
    ShowMarkerMargin = std::numeric_limits<int>::max() / 2;
    ShowFoldMargin = 0;
    SetSciOptions(false);
    EXPECT_EQ(ask(*doc, S::SCI_GETTABWIDTH), 7);
    EXPECT_EQ(SciGetMarginWidthN(1), 20);
    EXPECT_EQ(SciGetMarginWidthN(2), 16);
    const QByteArray log = readAll(homeFile(QStringLiteral("error.log")));
    EXPECT_TRUE(log.contains("SetSciOptions") && log.contains("Mod_SciFun")) << log.toStdString();
}

TEST_F(EditorSetup, OptionsAppliedToEveryDocumentLeaveTheCurrentViewAsItWas) {
    auto first = openDocument("one");
    auto second = openDocument("two");
    auto active = openDocument("three");
    TabValue = 2;
    const SciHandle before = gSciWndData;
    for (frmDoc* doc : {first.get(), second.get(), active.get()}) {
        ScopedCurrentView view(doc->SciEdi_WndData);
        SetSciOptions(false);
    }
    EXPECT_EQ(gSciWndData, before);
    EXPECT_EQ(gActiveDoc, active.get());
    EXPECT_EQ(ask(*first, S::SCI_GETTABWIDTH), 2);
    EXPECT_EQ(ask(*second, S::SCI_GETTABWIDTH), 2);
}

TEST_F(EditorSetup, ANewLineAndWhatFollowsItUndoTogether) {
    NewLineInUndo();
    EXPECT_FALSE(gUndoGroupOpen);

    auto doc = openDocument("If a");
    SciEmptyUndoBuffer();
    SciDocumentEnd();
    NewLineInUndo();
    EXPECT_TRUE(gUndoGroupOpen);
    SciInsertText(SciGetCurrentPos(), "\t");
    SciEndUndoAction();
    gUndoGroupOpen = false;
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), QByteArray("If a\r\n\t"));
    SciUndo();
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), QByteArray("If a"));
}
