#include "editor/EditorFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/BookmarkSteps.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "support/FakeHost.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

namespace {

const QByteArray kTenLines = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n";

long caretLine() {
    return SciLineFromPosition(SciGetCurrentPos());
}

bool hasBookmark(const frmDoc& doc, long line) {
    return SciDirect(doc.SciEdi_WndData, QsciScintillaBase::SCI_MARKERGET, uptr_t(line)) & markerMask(MARKER_BOOKMARK);
}

// Documents A, B and C in the host's order; A has a bookmark on line 5 with
// the caret there and is active, B has one on line 3.
class BookmarkStepsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        c = hosted("C");
        b = hosted("B");
        SciMarkerAdd(3, MARKER_BOOKMARK);
        a = hosted("A");
        SciMarkerAdd(5, MARKER_BOOKMARK);
        SciGotoLine(5);
        std::swap(host.windows[0], host.windows[2]);
        host.activeKey = "A";
    }

    std::unique_ptr<frmDoc> hosted(const QString& key) {
        auto doc = openDocument(kTenLines, key);
        doc->m_strDocumentWindowID = key;
        host.windows.append({key, doc.get(), key});
        return doc;
    }

    FakeHost host;
    std::unique_ptr<frmDoc> a, b, c;
};

}

TEST_F(BookmarkStepsTest, NextBookmarkGoesOnToTheNextDocumentThatHasOne) {
    GotoNextBookmark();
    EXPECT_EQ(gActiveDoc, b.get());
    EXPECT_EQ(host.activeKey, "B");
    EXPECT_EQ(caretLine(), 3);
    EXPECT_TRUE(host.redraw);
}

TEST_F(BookmarkStepsTest, PreviousBookmarkSearchesTheOtherDocumentsFromTheirEnds) {
    SciDirect(b->SciEdi_WndData, QsciScintillaBase::SCI_MARKERADD, 8, MARKER_BOOKMARK);
    GotoPrevBookmark();
    EXPECT_EQ(gActiveDoc, b.get()) << "C has none, B comes round after it";
    EXPECT_EQ(caretLine(), 8);
    GotoPrevBookmark();
    EXPECT_EQ(caretLine(), 3);
}

TEST_F(BookmarkStepsTest, SingleFileBookmarksStayInTheDocument) {
    BookMarksSingleFileBased = 1;
    GotoNextBookmark();
    EXPECT_EQ(gActiveDoc, a.get());
    EXPECT_EQ(caretLine(), 5);

    BookMarksSingleFileBased = 0;
    SciDirect(b->SciEdi_WndData, QsciScintillaBase::SCI_MARKERDELETEALL, MARKER_BOOKMARK);
    GotoNextBookmark();
    EXPECT_EQ(gActiveDoc, a.get()) << "no bookmark outside A";
    EXPECT_EQ(host.activeKey, "A");
    SciGotoLine(9);
    GotoPrevBookmark();
    EXPECT_EQ(caretLine(), 5);
}

TEST_F(BookmarkStepsTest, ClearingAllBookmarksKeepsTheActiveDocument) {
    ClearAllBookmarks();
    EXPECT_FALSE(hasBookmark(*a, 5));
    EXPECT_FALSE(hasBookmark(*b, 3));
    EXPECT_EQ(gActiveDoc, a.get());
    EXPECT_EQ(host.activeKey, "A");
}
