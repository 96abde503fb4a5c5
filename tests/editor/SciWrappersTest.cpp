#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "support/Corpus.h"

#include <QDir>
#include <QDirIterator>

#include <array>
#include <stdexcept>

namespace {
QByteArray allBytes() {
    QByteArray bytes;
    for (int c = 0; c < 256; ++c)
        bytes.append(static_cast<char>(c));
    return bytes;
}
}

using SciWrappers = EditorTest;

TEST_F(SciWrappers, TextPassesByteForByte) {
    const QByteArray text = bytesOf("A\x00" "B\r\n") + allBytes() + "\r\nlast";
    auto doc = openDocument(text);
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), text);
    EXPECT_EQ(SciGetLength(), text.size());

    const long high = text.indexOf(static_cast<char>(200));
    EXPECT_EQ(SciGetCharAt(high), 200);
    EXPECT_EQ(SciGetCharAt(text.indexOf(static_cast<char>(0xE9))), 0xE9);

    SciSetSel(0, 0);
    SciReplaceSel(QString::fromUtf8("é€"));
    SciInsertText(0, QByteArray("\x80\xFF"));
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData).left(4), QByteArray("\x80\xFF\xE9\x80"));

    SciSetSel(4, 6);
    EXPECT_EQ(SciGetSelText(), QByteArray("A\x00", 2));
    SciSetSel(3, 3);
    EXPECT_EQ(SciGetSelText(), QByteArray());
}

TEST_F(SciWrappers, ARectangularSelectionIsReadLineByLine) {
    auto doc = openDocument("abc\r\ndef");
    SciDirect(doc->SciEdi_WndData, QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHOR, 1);
    SciDirect(doc->SciEdi_WndData, QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARET, 7);
    EXPECT_EQ(SciGetSelText(), QByteArray("b\r\ne\r\n"));
}

TEST_F(SciWrappers, LinesAreReadWithinTheirBuffers) {
    const QByteArray longLine(40000, 'x');
    auto doc = openDocument("short\r\n" + longLine + "\r\n\xE9nd");

    EXPECT_EQ(SciGetLineText(0), QByteArray("short\r\n"));
    EXPECT_EQ(SciGetLineText(1).size(), 40002);
    EXPECT_EQ(SciGetLineText(2), QByteArray("\xE9nd"));

    std::array<unsigned char, 32769> buffer{};
    buffer.fill('#');
    EXPECT_EQ(SciGetLine(0, buffer.data() + 1, 32767), 7);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer.data() + 1), 8), QByteArray("short\r\n#"));

    buffer.fill('#');
    EXPECT_EQ(SciGetLine(1, buffer.data() + 1, 32767), 32767);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(buffer[32767], 'x');
    EXPECT_EQ(buffer[32768], '#');

    char tiny[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(SciGetLine(0, tiny, 3), 3);
    EXPECT_EQ(QByteArray(tiny, 4), QByteArray("sho#"));
    EXPECT_EQ(SciGetLine(0, tiny, 0), 0);
}

TEST_F(SciWrappers, TextRangesStayWithinTheDocument) {
    auto doc = openDocument(bytesOf("Global a\x00z\r\n"));
    gTextRange.cpMin = 7;
    gTextRange.cpMax = 10;
    SciGetTextRange(gTextRange);
    EXPECT_EQ(gTextRange.lpstrText, QByteArray("a\x00z", 3));

    gTextRange.cpMin = gTextRange.cpMax = 3;
    SciGetTextRange(gTextRange);
    EXPECT_TRUE(gTextRange.lpstrText.isEmpty());

    gTextRange.cpMin = -5;
    gTextRange.cpMax = 1000;
    SciGetTextRange(gTextRange);
    EXPECT_EQ(gTextRange.lpstrText, SciGetAllText(doc->SciEdi_WndData));

    gTextRange.cpMin = 9;
    gTextRange.cpMax = -1;
    SciGetTextRange(gTextRange);
    EXPECT_EQ(gTextRange.lpstrText, QByteArray("z\r\n"));
}

// Read in place, the text must still come whole when an edit has left the
// component's gap inside it.
TEST_F(SciWrappers, TextReadInPlaceIsTheWholeTextAfterAnEditInsideIt) {
    auto doc = openDocument(bytesOf("Global a\x00z\r\nLocal b\r\n"));
    SciSetTargetStart(3);
    SciSetTargetEnd(3);
    SciReplaceTarget(-1, QByteArray("xx"));
    const QByteArray copied = SciGetAllText(doc->SciEdi_WndData);
    EXPECT_EQ(QByteArray(SciPeekAllText(doc->SciEdi_WndData)), copied);
    EXPECT_EQ(copied.size(), 23);

    const SciHandle closed = doc->SciEdi_WndData;
    doc.reset();
    EXPECT_TRUE(SciPeekAllText(closed).isEmpty());
}

TEST_F(SciWrappers, TargetTextIsNeverReadPastItsEnd) {
    auto doc = openDocument("Local x = 1");
    SciSetTargetStart(6);
    SciSetTargetEnd(7);
    SciReplaceTarget(1000, QByteArray("yy"));
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), QByteArray("Local yy = 1"));

    SciSetTargetStart(0);
    SciSetTargetEnd(SciGetLength());
    EXPECT_EQ(SciSearchInTarget(1000, QByteArray("= 1")), 9);
    SciSetTargetStart(0);
    SciSetTargetEnd(SciGetLength());
    EXPECT_EQ(SciSearchInTarget(-1, "yy"), 6);
}

TEST_F(SciWrappers, WrappersAddressTheCurrentViewAndGuardsRestoreIt) {
    auto first = openDocument("first");
    auto second = openDocument("second document");
    EXPECT_EQ(gActiveDoc, second.get());
    EXPECT_EQ(SciGetLength(), 15);

    {
        ScopedCurrentView outer(first->SciEdi_WndData);
        EXPECT_EQ(gActiveDoc, second.get());
        EXPECT_EQ(SciGetLength(), 5);
        {
            ScopedCurrentView inner(*second);
            EXPECT_EQ(SciGetLength(), 15);
        }
        EXPECT_EQ(SciGetLength(), 5);
    }
    EXPECT_EQ(SciGetLength(), 15);

    try {
        ScopedCurrentView switched(*first);
        EXPECT_EQ(gActiveDoc, first.get());
        throw std::runtime_error("passing through");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(gActiveDoc, second.get());
    EXPECT_EQ(gSciWndData, second->SciEdi_WndData);
}

TEST_F(SciWrappers, TheActiveEditorNeedsALiveDocumentAndView) {
    EXPECT_FALSE(IsEditorActive());
    auto doc = openDocument("text");
    EXPECT_TRUE(IsEditorActive());

    gActiveDoc = nullptr;
    EXPECT_FALSE(IsEditorActive());
    EXPECT_EQ(SciGetLength(), 4);

    gActiveDoc = doc.get();
    doc->SciEdi_WndData = SciHandle();
    EXPECT_FALSE(IsEditorActive());
    doc->SciEdi_WndData = gSciWndData;

    doc.reset();
    EXPECT_FALSE(IsEditorActive());
    EXPECT_EQ(SciGetLength(), 0);
    SciInsertText(0, "nowhere");
}

TEST_F(SciWrappers, MarkerHandlesAreLookedUpInTheirOwnDocument) {
    auto first = openDocument("a\r\nb\r\nc");
    const long firstHandle = SciMarkerAdd(2, 8);
    auto second = openDocument("x\r\ny");
    const long secondHandle = SciMarkerAdd(1, 8);
    ASSERT_EQ(firstHandle, secondHandle);

    EXPECT_EQ(SciMarkerLineFromHandle(first->SciEdi_WndData, firstHandle), 2);
    EXPECT_EQ(SciMarkerLineFromHandle(second->SciEdi_WndData, secondHandle), 1);
    EXPECT_EQ(SciMarkerLineFromHandle(secondHandle), 1);

    SciMarkerDeleteHandle(first->SciEdi_WndData, firstHandle);
    EXPECT_EQ(SciMarkerLineFromHandle(first->SciEdi_WndData, firstHandle), -1);
    EXPECT_EQ(SciMarkerLineFromHandle(second->SciEdi_WndData, secondHandle), 1);

    const SciHandle closed = second->SciEdi_WndData;
    second.reset();
    EXPECT_EQ(SciMarkerLineFromHandle(closed, secondHandle), -1);
}

TEST_F(SciWrappers, EverySampleProgramLoadsByteForByte) {
    const QDir corpus(QStringLiteral(KORVO_CORPUS_DIR "/samples"));
    KORVO_NEED_CORPUS(corpus.exists(), "no corpus");
    auto doc = openDocument(QByteArray());
    int files = 0;
    QDirIterator it(corpus.path(), {QStringLiteral("*.bb")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QByteArray bytes = readAll(it.next());
        SciLoadText(doc->SciEdi_WndData, bytes);
        ASSERT_EQ(SciGetAllText(doc->SciEdi_WndData), bytes) << it.filePath().toStdString();
        ++files;
    }
    EXPECT_GT(files, 100);
}
