#include "shell/MainWindowFixture.h"

#include "aids/HotCodeStore.h"
#include "aids/frmSnippets.h"
#include "aids/SnippetsTree.h"
#include "build/CompilerList.h"
#include "editor/SciWrappers.h"
#include "language/keywords/KeywordFiles.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/DockWindow.h"

#include <QDir>

// A file keeps its own kind of line end through every command that adds a
// line break, and its save: no CR LF in an LF file, no bare LF in a CR LF one.
namespace {

class LineEndsInMainWindow : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        const auto blitz = gCompilers.Item(QStringLiteral("Blitz"));
        ASSERT_TRUE(blitz->LoadKeywordsFromText(keywordFileText({}, 0)));
        blitz->SetDefaultKeywords();
    }

    void click(const char* key) { main->DS->click(main->DS->command(QLatin1String(key))); }
    void caretAtEndOf(long line) { SciGotoPos(SciGetLineEndPosition(line)); }

    // The line end of the file under test, and the other kind.
    QByteArray own() const { return GetParam(); }
    QByteArray other() const { return own() == "\n" ? "\r\n" : "\n"; }
    QByteArray lines(const QList<QByteArray>& texts) const { return texts.join(own()) + own(); }

    static bool oneKind(const QByteArray& bytes, const QByteArray& lineEnd) {
        return lineEnd == "\n" ? !bytes.contains('\r') : bytes.count('\n') == bytes.count("\r\n");
    }
};

}

TEST_P(LineEndsInMainWindow, EveryCommandThatBreaksALineAddsTheFilesOwnKind) {
    const QByteArray head = lines({"; untouched head", "Print 1"});
    const QByteArray tail = lines({"; untouched tail", "Print 2"});
    openText(head + lines({"x = 1", "y = 2"}) + tail);
    // Each insertion goes on a line of its own, made by New Line before the tail.
    const auto newLineBeforeTail = [this] {
        caretAtEndOf(SciLineFromPosition(long(text().indexOf("; untouched tail"))) - 1);
        click("New Line");
    };
    const auto caretAtTail = [this] { SciGotoPos(long(text().indexOf("; untouched tail"))); };

    newLineBeforeTail();
    SciReplaceSel("While a");
    click("Complete Scope");
    newLineBeforeTail();
    // A hot code's text and a snippet's file hold the other kind.
    AddHotCode(QStringLiteral("hc"), QString::fromLatin1("If b" + other() + "EndIf"));
    SciReplaceSel("hc");
    click("Apply HotCode");
    newLineBeforeTail();
    QDir(home()).mkpath(QStringLiteral("Snippets"));
    writeAll(homeFile(QStringLiteral("Snippets/pair.bb")), "a = 1" + other() + "b = 2" + other());
    auto* snippets = qobject_cast<frmSnippets*>(main->DS->findDockWindow(QStringLiteral("Snippets"))->form());
    ASSERT_TRUE(snippets);
    snippets->ListSnippets();
    QTreeWidgetItem* pair = snippets->tvSnippets->findItems(QStringLiteral("pair"), Qt::MatchExactly).value(0);
    ASSERT_TRUE(pair);
    snippets->tvSnippets->setCurrentItem(pair);
    snippets->DoMenuCommand(QStringLiteral("Insert Snippet"));

    SciGotoLine(2);
    click("Copy Current Line");
    caretAtTail();
    click("Paste");
    SciGotoLine(3);
    click("Cut Current Line");
    caretAtTail();
    click("Paste");
    SciSetSel(SciPositionFromLine(2), SciPositionFromLine(3));
    click("Block From Selection");

    const QByteArray edited = text();
    EXPECT_TRUE(oneKind(edited, own())) << edited.toStdString();
    for (const QByteArray& inserted : {"Wend" + own(), "If b" + own() + "EndIf", "a = 1" + own() + "b = 2" + own(),
                                       ";[Block]" + own() + "x = 1" + own() + ";[End Block]" + own(),
                                       "x = 1" + own() + "y = 2" + own() + "; untouched tail"})
        EXPECT_TRUE(edited.contains(inserted)) << inserted.toStdString() << " not in\n" << edited.toStdString();

    click("Save File");
    const QByteArray saved = readAll(homeFile(QStringLiteral("a.bb")));
    EXPECT_TRUE(oneKind(saved, own())) << saved.toStdString();
    EXPECT_TRUE(saved.startsWith(head)) << saved.toStdString();
    EXPECT_TRUE(saved.contains(tail)) << saved.toStdString();
}

INSTANTIATE_TEST_SUITE_P(LfAndCrLf, LineEndsInMainWindow, ::testing::Values("\n", "\r\n"),
                         [](const auto& info) { return std::string(info.param[0] == '\n' ? "Lf" : "CrLf"); });
