#include "files/EditorParameters.h"

#include <gtest/gtest.h>

namespace {

QList<long> range(long count) {
    QList<long> lines;
    for (long i = 0; i < count; ++i)
        lines.append(i);
    return lines;
}

}

TEST(EditorParameters, FormatsFoldsBookmarksCommandLineAndCompilerJoinedByCrLf) {
    EditorParameters p;
    p.collapsedFolds = {5, 26};
    p.bookmarks = {0, 3, 255};
    p.commandLine = QStringLiteral("-w 640");
    p.compiler = QStringLiteral("BlitzCC");
    EXPECT_EQ(FormatEditorParameters(p),
              "\r\n;~Korvo Editor Parameters:\r\n;~F#5#1A\r\n;~B#0#3#FF\r\n;~L#-w 640\r\n;~C#BlitzCC");

    EXPECT_EQ(FormatEditorParameters({}), "");
    EditorParameters emptyCompiler;
    emptyCompiler.compiler = QString();
    EXPECT_EQ(FormatEditorParameters(emptyCompiler), "\r\n;~Korvo Editor Parameters:\r\n;~C#");
}

TEST(EditorParameters, TwentyEntriesALineAndNoBlockPastTheLimits) {
    EditorParameters p;
    p.bookmarks = range(21);
    const QByteArray block = FormatEditorParameters(p);
    EXPECT_TRUE(block.endsWith("#12#13\r\n;~B#14")) << block.constData();
    EXPECT_EQ(block.count(";~B"), 2);

    p.bookmarks = range(kMaxBookmarkEntries);
    p.compiler = QStringLiteral("BlitzCC");
    EXPECT_EQ(FormatEditorParameters(p).count(";~B"), 100);
    p.bookmarks = range(kMaxBookmarkEntries + 1);
    EXPECT_EQ(FormatEditorParameters(p), "");

    EditorParameters folds;
    folds.collapsedFolds = range(kMaxFoldEntries + 1);
    EXPECT_EQ(FormatEditorParameters(folds), "");
}

TEST(EditorParameters, FindsTheBlockAtALineStartAndWhatItCovers) {
    const QByteArray text = "Print 1\r\n;~Korvo Editor Parameters:\r\n;~F#5#1A\r\n;~B#0#3\r\n;~L#a b\r\n;~C#BlitzCC";
    const auto block = FindEditorParameters(text);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->first, 7);
    EXPECT_EQ(block->end, text.size());
    EXPECT_EQ(block->parameters.collapsedFolds, (QList<long>{5, 26}));
    EXPECT_EQ(block->parameters.bookmarks, (QList<long>{0, 3}));
    EXPECT_EQ(block->parameters.commandLine, QStringLiteral("a b"));
    EXPECT_EQ(block->parameters.compiler, QStringLiteral("BlitzCC"));
    EXPECT_EQ(CompilerLineName(text), QStringLiteral("BlitzCC"));
}

TEST(EditorParameters, EdgesOfTheBlock) {
    // A trailing line end goes with the block, and the compiler is found behind it.
    QByteArray text = "Print 1\n;~korvo editor parameters:\n;~B#2\n;~C#X\n";
    auto block = FindEditorParameters(text);
    ASSERT_TRUE(block);
    EXPECT_EQ(text.left(block->first), "Print 1");
    EXPECT_EQ(block->end, text.size());
    EXPECT_EQ(CompilerLineName(text), QStringLiteral("X"));

    // Text after the block stays, and then no compiler line ends the text.
    text = "A\r\n;~Korvo Editor Parameters:\r\n;~C#X\r\n; other\r\nB";
    block = FindEditorParameters(text);
    ASSERT_TRUE(block);
    EXPECT_EQ(text.left(block->first) + text.mid(block->end), "A\r\n; other\r\nB");
    EXPECT_FALSE(CompilerLineName(text));

    // A header inside a line does not count; the last one at a line start does.
    text = "Print \";~Korvo Editor Parameters:\"\r\n;~Korvo Editor Parameters:\r\n;~B#ZZ#1";
    block = FindEditorParameters(text);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->first, text.indexOf("\r\n;~Korvo"));
    EXPECT_EQ(block->parameters.bookmarks, (QList<long>{0, 1}));
    EXPECT_FALSE(FindEditorParameters("Print \";~Korvo Editor Parameters:\""));
    EXPECT_FALSE(FindEditorParameters("Print 1\n;~Korvo Editor Param"));
    EXPECT_FALSE(FindEditorParameters("Print 1\n;~Korvo_Editor Parameters:"));

    // At the very start of the text, with no line end before it.
    block = FindEditorParameters(";~Korvo Editor Parameters:\r\n;~C#X");
    ASSERT_TRUE(block);
    EXPECT_EQ(block->first, 0);
    EXPECT_FALSE(CompilerLineName(""));
}
