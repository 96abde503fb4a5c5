#include "editor/EditorFixture.h"

#include "editor/CurrentView.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
#include "support/FakeHost.h"
#include "vocabulary/Markers.h"

namespace {

QByteArray linesOfText(int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "line " + QByteArray::number(i) + "\r\n";
    return text;
}

long caretLine() {
    return SciLineFromPosition(SciGetCurrentPos());
}

// Records the caret as an edit ending at the column of the line would.
void editAt(long line, long column = 3) {
    const long position = SciPositionFromLine(line) + column;
    SciGotoPos(position);
    CheckCBrowser(position, line);
}

bool hasPositionMarker(long line) {
    return SciMarkerGet(line) & markerMask(MARKER_POSITION);
}

class PositionHistoryTest : public EditorTest {
protected:
    std::unique_ptr<frmDoc> hosted(const QByteArray& text, const QString& key) {
        auto doc = openDocument(text, key);
        doc->m_strDocumentWindowID = key;
        host.windows.append({key, doc.get(), key});
        return doc;
    }

    FakeHost host;
};

}

TEST_F(PositionHistoryTest, NearbyEditsShareAnEntryAndTheStepsWalkThem) {
    auto doc = hosted(linesOfText(300), "a.bb");
    editAt(10);
    editAt(20, 5);
    editAt(100);
    EXPECT_EQ(gCodeBrowserIndex, 2);
    EXPECT_EQ(gCodeBrowser[1].Sequence, 1);
    EXPECT_EQ(gCodeBrowser[2].Sequence, 2);
    EXPECT_EQ(gCodeBrowser[3].Sequence, 0);

    GotoPreviousPosition();
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(20) + 5);
    GotoPreviousPosition();
    EXPECT_EQ(caretLine(), 20) << "nothing older";
    GotoNextPosition();
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(100) + 3);
    GotoNextPosition();
    EXPECT_EQ(gCodeBrowserIndex, 2);

    SciGotoPos(SciPositionFromLine(150));
    GotoPreviousPosition();
    EXPECT_EQ(caretLine(), 100) << "back to the current entry first";
}

TEST_F(PositionHistoryTest, AnEditAfterSteppingBackDropsTheNewerEntries) {
    auto doc = hosted(linesOfText(600), "a.bb");
    for (long line : {0, 100, 200, 300})
        editAt(line);
    GotoPreviousPosition();
    GotoPreviousPosition();
    ASSERT_EQ(caretLine(), 100);
    editAt(500);
    EXPECT_EQ(gCodeBrowserIndex, 3);
    EXPECT_EQ(gCodeBrowser[3].Sequence, 3);
    EXPECT_EQ(gCodeBrowser[4].Sequence, 0);
    EXPECT_FALSE(hasPositionMarker(300));
    GotoNextPosition();
    EXPECT_EQ(caretLine(), 500);
}

TEST_F(PositionHistoryTest, TheTwentyFirstEntryTakesTheFirstSlot) {
    auto doc = hosted(linesOfText(1000), "a.bb");
    for (long entry = 0; entry < 21; ++entry)
        editAt(entry * 40);
    EXPECT_EQ(gCodeBrowserIndex, 1);
    EXPECT_EQ(gCodeBrowser[1].Sequence, 21);
    EXPECT_FALSE(hasPositionMarker(0));
    EXPECT_TRUE(hasPositionMarker(800));
}

TEST_F(PositionHistoryTest, EntriesWhoseLineOrDocumentWentArePassedOver) {
    auto doc = hosted(linesOfText(300), "a.bb");
    editAt(10);
    editAt(100);
    editAt(200);
    SciMarkerDelete(100, MARKER_POSITION);
    SciGotoPos(SciPositionFromLine(250));
    GotoPreviousPosition();
    EXPECT_EQ(caretLine(), 200);
    GotoPreviousPosition();
    EXPECT_EQ(caretLine(), 10);

    // A reopened copy under the same key keeps its own markers.
    host.windows.clear();
    doc.reset();
    auto reopened = hosted(linesOfText(300), "a.bb");
    for (int handle = 1; handle <= 3; ++handle)
        SciMarkerAdd(handle, MARKER_FUNCTION);
    SciGotoPos(0);
    GotoNextPosition();
    EXPECT_EQ(caretLine(), 0) << "no entry of the closed copy is reachable";
    for (long entry = 0; entry < 20; ++entry)
        editAt(entry % 2 ? 250 : 5);
    EXPECT_EQ(gCodeBrowser[1].Sequence, 21);
    for (long line = 1; line <= 3; ++line)
        EXPECT_TRUE(SciMarkerGet(line) & markerMask(MARKER_FUNCTION)) << line;
}

TEST_F(PositionHistoryTest, StepsActivateTheEntrysDocument) {
    auto a = hosted(linesOfText(50), "a.bb");
    editAt(5);
    auto b = hosted(linesOfText(50), "b.bb");
    editAt(40);
    GotoPreviousPosition();
    GotoPreviousPosition();
    EXPECT_EQ(gActiveDoc, a.get());
    EXPECT_EQ(host.activeKey, "a.bb");
    EXPECT_EQ(caretLine(), 5);
    GotoNextPosition();
    EXPECT_EQ(gActiveDoc, b.get());
    EXPECT_EQ(caretLine(), 40);
}

TEST_F(PositionHistoryTest, EntriesFollowTheirLinesAsLinesAboveComeAndGo) {
    auto doc = hosted(linesOfText(300), "a.bb");
    editAt(200, 4);
    editAt(10);
    SciInsertText(SciPositionFromLine(50), "a\r\nb\r\nc\r\n");
    SciSetSel(SciPositionFromLine(20), SciPositionFromLine(22));
    SciClear();
    SciInsertText(SciPositionFromLine(250), "after\r\n");

    // The view's own index answers as the component would.
    const uptr_t handle = uptr_t(gCodeBrowser[1].MarkerHandle);
    EXPECT_EQ(SciDirect(gSciWndData, QsciScintillaBase::SCI_MARKERLINEFROMHANDLE, handle), 201);
    EXPECT_EQ(doc->Sci->SendScintilla(QsciScintillaBase::SCI_MARKERLINEFROMHANDLE, handle), 201);
    SciGotoPos(SciPositionFromLine(10));
    GotoPreviousPosition();
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(201) + 4);
}
