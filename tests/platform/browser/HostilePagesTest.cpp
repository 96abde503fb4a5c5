#include "platform/browser/FrameView.h"
#include "platform/browser/PageShape.h"
#include "platform/browser/PageSource.h"
#include "platform/browser/WebBrowser.h"
#include "support/Corpus.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Pages made to hang the help browser or exhaust its memory: each opens (or
// is refused with a note) and shows what it can.
class HostilePagesTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QString& text) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
        return out.fileName();
    }
    QString shownText() const { return view.frameView(QString())->toPlainText(); }

    QTemporaryDir dir;
    browser::WebBrowser view;
};

TEST_F(HostilePagesTest, ImagesAndStyleSheetsThatAreNoRegularFilesOrTooLargeAreLeftOut) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600), 0);
    QFile big(dir.filePath("big.png"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(browser::kMaxPageBytes + 1));  // sparse: costs no disk
    big.close();
    const QString page = write("p.htm", "<html><head><link rel=stylesheet href=\"/dev/zero\"></head><body>"
                                        "<img src=\"/dev/zero\"><img src=\"pipe.png\"><img src=\"big.png\"><p>after the images</p></body></html>");
    view.navigate(page);
    EXPECT_EQ(view.locationURL(), page);
    EXPECT_TRUE(shownText().contains(QStringLiteral("after the images")));

    // The same files as pages are refused with a note naming them.
    view.navigate(dir.filePath("pipe.png"));
    EXPECT_TRUE(shownText().contains(QStringLiteral("Not a regular file: ") + dir.filePath("pipe.png")));
    view.navigate(dir.filePath("big.png"));
    EXPECT_TRUE(shownText().contains(dir.filePath("big.png")));
    EXPECT_FALSE(shownText().contains(QStringLiteral("PNG")));
}

TEST_F(HostilePagesTest, DeeplyNestedAndCrowdedFramesetsShowTheirOuterFramesOnly) {
    write("leaf.htm", "<p>leaf</p>");
    QString nested;
    for (int level = 0; level < 1000; ++level)
        nested += QStringLiteral("<frameset rows=\"50%,*\"><frame name=f%1 src=leaf.htm>").arg(level);
    nested += QStringLiteral("</frameset>").repeated(1000);
    view.navigate(write("nested.htm", nested));
    const QList<QPair<QString, QString>> frames = view.frames();
    ASSERT_FALSE(frames.isEmpty());
    EXPECT_EQ(frames.first().first, QStringLiteral("f0"));
    EXPECT_LT(frames.size(), 100);
    EXPECT_NE(view.frameView(QStringLiteral("f0")), nullptr);
    EXPECT_EQ(view.frameView(QStringLiteral("f999")), nullptr);

    view.navigate(write("crowded.htm", QStringLiteral("<frameset cols=\"*\">") +
                                           QStringLiteral("<frame src=leaf.htm>").repeated(10000) + QStringLiteral("</frameset>")));
    EXPECT_EQ(view.locationURL(), dir.filePath("crowded.htm"));
    EXPECT_FALSE(view.frames().isEmpty());
    EXPECT_LT(view.frames().size(), 100);
}

TEST_F(HostilePagesTest, FiftyThousandHeadElementsLeaveTheFirstOnesInTheHead) {
    const QString links = QStringLiteral("<link rel=stylesheet href=missing.css>\n").repeated(50000);
    const QString repaired = browser::hoistHeadElements(QStringLiteral("<html>") + links + QStringLiteral("<body><p>text</p></body></html>"));
    const qsizetype headEnd = repaired.indexOf(QLatin1String("</head>"));
    ASSERT_GT(headEnd, 0);
    EXPECT_TRUE(repaired.startsWith(QLatin1String("<html><head><link rel=stylesheet href=missing.css><link")));
    EXPECT_GT(repaired.left(headEnd).count(QLatin1String("<link")), 1);
    EXPECT_LT(repaired.count(QLatin1String("<link")), 1000);
    EXPECT_TRUE(repaired.mid(headEnd).startsWith(QStringLiteral("</head>") + QStringLiteral("\n").repeated(50000) + QStringLiteral("<body>")));
    // The same inside the head.
    const QString inHead = browser::hoistHeadElements(QStringLiteral("<head>") + links + QStringLiteral("</head><body></body>"));
    EXPECT_LT(inHead.count(QLatin1String("<link")), 1000);
    EXPECT_TRUE(inHead.startsWith(QLatin1String("<head><link")));

    // Unclosed elements and tags leave the page as it was.
    const QString unclosed = QStringLiteral("<html>") + QStringLiteral("<style>p{}").repeated(20000) + QStringLiteral("<link href=x") +
                             QStringLiteral("<a href=y ").repeated(20000) + QStringLiteral("<body>");
    EXPECT_EQ(browser::hoistHeadElements(unclosed), unclosed);

    view.navigate(write("links.htm", QStringLiteral("<html><title>Many</title>") + links + QStringLiteral("<body><p>text</p></body></html>")));
    EXPECT_EQ(view.locationName(), QStringLiteral("Many"));
    EXPECT_EQ(shownText(), QStringLiteral("text"));
}

// Every way a page names another file reads it through the bounded reader:
// a file past the bound leaves nothing in the document's resources (a
// device or FIFO is refused by the same reader, but would hang this test
// were it not).
TEST_F(HostilePagesTest, EveryResourceAPageNamesIsReadWithinTheBound) {
    QFile big(dir.filePath("big.png"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(browser::kMaxPageBytes + 1));  // sparse: costs no disk
    big.close();
    const QString shapes[] = {
        "<body background=\"%1\"><p>shown</p></body>",
        "<body><table background=\"%1\"><tr><td>shown</td></tr></table></body>",
        "<body><p style=\"background-image:url(%1)\">shown</p></body>",
        "<head><style>@import url(%1);</style></head><body><p>shown</p></body>",
        "<head><style>body{background:url(%1)}</style></head><body><p>shown</p></body>",
        "<head><link rel=stylesheet href=\"%1\"></head><body><img src=\"%1\"><p>shown</p></body>",
    };
    for (const QString& file : {QStringLiteral("big.png"), dir.filePath("big.png")}) {
        for (const QString& shape : shapes) {
            SCOPED_TRACE((shape.arg(file)).toStdString());
            view.navigate(write("p.htm", QStringLiteral("<html>") + shape.arg(file) + QStringLiteral("</html>")));
            EXPECT_TRUE(shownText().contains(QStringLiteral("shown")));
            QTextDocument* document = view.frameView(QString())->document();
            const QUrl url = QUrl::fromLocalFile(dir.filePath(QFileInfo(file).fileName()));
            EXPECT_EQ(document->resource(QTextDocument::ImageResource, url).toByteArray().size(), 0);
            EXPECT_TRUE(document->resource(QTextDocument::StyleSheetResource, url).toString().isEmpty());
        }
    }
}

// What costs the rich-text view more than its share shows below its bound
// and is refused past it, at ten and a thousand times that size, in a line
// naming the page.
TEST_F(HostilePagesTest, PagesWhoseCostOutgrowsTheirSizeAreRefusedWithALine) {
    struct Shape {
        const char* name;
        QString open, close;
        int shown;
    };
    const Shape shapes[] = {
        {"links in the body", "<link rel=stylesheet href=missing.css>\n", "", browser::kMaxBodyStyleElements / 8},
        {"styles in the body", "<style>p{}</style>", "", browser::kMaxBodyStyleElements / 8},
        {"missing images", "<img src=\"x.png\">", "", browser::kMaxImages / 8},
        {"nested divisions", "<div>", "</div>", browser::kMaxNesting / 8},
        {"nested tables", "<table><tr><td>", "</td></tr></table>", browser::kMaxTableNesting},
        {"nested inline elements", "<b><font color=red>", "</font></b>", browser::kMaxNesting / 8},
    };
    for (const Shape& shape : shapes) {
        for (const int count : {shape.shown, shape.shown * 10, shape.shown * 1000}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(shape.name)).arg(count).toStdString());
            const QString page = write("p.htm", QStringLiteral("<html><body><p>before</p>") + shape.open.repeated(count) +
                                                    QStringLiteral("text") + shape.close.repeated(count) + QStringLiteral("</body></html>"));
            view.navigate(page);
            EXPECT_EQ(view.locationURL(), page);
            if (count == shape.shown) {
                EXPECT_TRUE(browser::pageShapeFault(browser::loadPage(page).html).isEmpty());
                EXPECT_TRUE(shownText().startsWith(QStringLiteral("before")));
            } else {
                EXPECT_TRUE(shownText().startsWith(QStringLiteral("Page not shown, it holds ")));
                EXPECT_TRUE(shownText().endsWith(page));
            }
        }
    }
    // Comments, tags that hold nothing and ends that pages leave out do not count as nesting.
    const QString flat = QStringLiteral("<!-- <div><div> -->") +
                         QStringLiteral("<p>a<br><li>b<td>c<img src=x.png><div/><table><tr><td>d</table>").repeated(900);
    EXPECT_TRUE(browser::pageShapeFault(flat).isEmpty());
}

// The bounds leave every page of a real help tree shown.
TEST(PageShape, EveryPageOfARealHelpTreeIsWithinTheBounds) {
    const QString help = QStringLiteral(KORVO_CORPUS_DIR "/help");
    KORVO_NEED_CORPUS(QFileInfo(help).isDir(), "no help tree in the corpus");
    int pages = 0;
    for (QDirIterator it(help, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext(); ++pages) {
        const QString page = it.next();
        EXPECT_FALSE(browser::loadPage(page).html.contains(QStringLiteral("Page not shown"))) << page.toStdString();
    }
    EXPECT_GT(pages, 500);
}

}
