#include "shell/HtmlExport.h"

#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "platform/ShellOpen.h"
#include "vocabulary/SettingsValues.h"

#include <QFile>

namespace {

const QByteArray kEmptyPage =
    "<html>\r\n<head>\r\n<title>e.bb</title>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
    "<style type=\"text/css\">\r\n</style>\r\n</head>\r\n"
    "<body bgcolor=#FFFFFF><table><tr><td nowrap></td></tr></table></body>\r\n</html>\r\n";

class HtmlExportTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        platform::setShellHandler([this](const platform::ShellRequest& request) {
            opened.append(request.verb + QLatin1Char(' ') + request.file);
            return int(platform::ShellSuccess);
        });
    }
    void TearDown() override {
        platform::setShellHandler({});
        EditorTest::TearDown();
    }

    static void style(long start, long length, int style) {
        SciStartStyling(start, 255);
        SciSetStyling(length, style);
    }
    static QByteArray between(const QByteArray& page, const QByteArray& from, const QByteArray& to) {
        const qsizetype start = page.indexOf(from) + from.size();
        return page.mid(start, page.indexOf(to, start) - start);
    }
    void answerSaveWith(const QString& path) {
        platform::PromptAnswer answer;
        answer.text = path;
        scriptAnswer(answer);
    }

    QStringList opened;
};

}

TEST_F(HtmlExportTest, ColoursAreWrittenRedGreenBlue) {
    EXPECT_EQ(ColorToHtml(0xFF8000), QStringLiteral("#0080FF"));
    EXPECT_EQ(ColorToHtml(255), QStringLiteral("#FF0000"));
    EXPECT_EQ(ColorToHtml(0xFFFFFF), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(ColorToHtml(0), QStringLiteral("#000000"));
}

TEST_F(HtmlExportTest, AnEmptyDocumentGivesTheHeaderAndAnEmptyCell) {
    auto doc = openDocument("", QStringLiteral("e.bb"));
    EXPECT_EQ(HtmlPage(QStringLiteral("e.bb"), gColorStyle, 4), kEmptyPage);
}

TEST_F(HtmlExportTest, EachStyleRunIsOneSpanAndEachUsedStyleOneClass) {
    auto doc = openDocument("A b<&\r\n\t");
    style(0, 8, 0);
    style(3, 2, 4);
    ColorStyle colours;
    colours.FontName[0] = QStringLiteral("Courier New");
    colours.FontSize[0] = 10;
    colours.ForeColor[4] = 0xFF;
    colours.FontSize[4] = 9;
    colours.Bold[4] = -1;
    colours.Italic[4] = -1;
    const QByteArray page = HtmlPage(QStringLiteral("t.bb"), colours, 4);
    EXPECT_EQ(between(page, "<style type=\"text/css\">\r\n", "</style>"),
              ".St0 {\r\nfont-family: 'Courier New';\r\nfont-size: 10pt;\r\n}\r\n"
              ".St4 {\r\ncolor: #FF0000;\r\nfont-size: 9pt;\r\nfont-weight: 700;\r\nfont-style: italic;\r\n}\r\n");
    EXPECT_EQ(between(page, "<td nowrap>", "</td>"),
              "<span class=St0>A&nbsp;b</span><span class=St4>&lt;&amp;</span>"
              "<span class=St0><BR>&nbsp;&nbsp;&nbsp;&nbsp;</span>");
}

TEST_F(HtmlExportTest, UnderlineFollowsItalicStylesAbove40HaveNoClassAndNoNameMakesMarkup) {
    auto doc = openDocument("ab>");
    style(0, 1, 7);
    style(1, 1, 50);
    style(2, 1, 7);
    ColorStyle colours;
    colours.FontName[7] = QStringLiteral("'</style>");
    colours.FontSize[7] = 8;
    colours.Italic[7] = -1;
    colours.Underline[7] = -1;
    const QByteArray page = HtmlPage(QStringLiteral("<a&b>.bb"), colours, 2);
    EXPECT_TRUE(page.contains("<title>&lt;a&amp;b&gt;.bb</title>"));
    EXPECT_EQ(between(page, "<style type=\"text/css\">\r\n", "</style>"),
              ".St7 {\r\nfont-family: '/style';\r\nfont-size: 8pt;\r\nfont-style: italic;\r\ntext-decoration: underline;\r\n}\r\n");
    EXPECT_EQ(between(page, "<td nowrap>", "</td>"),
              "<span class=St7>a</span><span class=St50>b</span><span class=St7>&gt;</span>");
}

TEST_F(HtmlExportTest, LineEndsOfEveryKindGiveOneBreakAndBytesPassUnchanged) {
    auto doc = openDocument("x\ny\r\nz\r\xE9\"");
    style(0, 9, 0);
    EXPECT_EQ(between(HtmlPage(QStringLiteral("t.bb"), gColorStyle, 4), "<td nowrap>", "</td>"),
              "<span class=St0>x<BR>y<BR>z\xE9\"</span>");
}

TEST_F(HtmlExportTest, CancellingTheDialogWritesAndAsksNothing) {
    auto doc = openDocument("Print 1", QStringLiteral("game.bb"));
    doc->FullFilename = homeFile(QStringLiteral("game.bb"));
    platform::PromptAnswer cancel;
    cancel.accepted = false;
    scriptAnswer(cancel);
    ExportToHTML();
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::SaveFile);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Export to HTML..."));
    EXPECT_EQ(prompts[0].defaultText, homeFile(QStringLiteral("game.html")));
    EXPECT_TRUE(prompts[0].filter.contains(QStringLiteral("*.html")));
    EXPECT_TRUE(prompts[0].filter.contains(QStringLiteral("*.htm")));
    EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("game.html"))));
}

TEST_F(HtmlExportTest, TheWrittenFileIsWhatTheDocumentShowsAndYesOpensIt) {
    auto doc = openDocument("", QStringLiteral("e.bb"));
    const QString path = homeFile(QStringLiteral("out.html"));
    answerSaveWith(path);
    scriptButton(platform::vbYes);
    ExportToHTML();
    EXPECT_EQ(readAll(path), kEmptyPage);
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].text, QStringLiteral("HTML file successfully created ! Would you like to open the created file now ?"));
    EXPECT_EQ(prompts[1].title, QStringLiteral("Export successful"));
    EXPECT_EQ(prompts[1].buttons, platform::vbYesNo);
    EXPECT_EQ(prompts[1].icon, platform::vbQuestion);
    EXPECT_EQ(opened, QStringList{QStringLiteral("open ") + path});

    answerSaveWith(path);
    scriptButton(platform::vbNo);
    ExportToHTML();
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(HtmlExportTest, AFileThatCannotBeWrittenIsNotReportedAsCreated) {
    auto doc = openDocument("Print 1");
    answerSaveWith(homeFile(QStringLiteral("no/such/folder/out.html")));
    ExportToHTML();
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].icon, platform::vbCritical);
    EXPECT_TRUE(opened.isEmpty());
}
