#include "platform/browser/Address.h"
#include "platform/browser/FramesetSplitter.h"
#include "platform/browser/PageSource.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace browser;

TEST(PageSource, DecodesByCharsetElseUtf8ElseWindows1252) {
    EXPECT_EQ(decodeHtml("<meta charset=\"iso-8859-1\"><p>\xE9</p>"), QStringLiteral("<meta charset=\"iso-8859-1\"><p>\u00E9</p>"));
    EXPECT_EQ(decodeHtml("<p>\xC3\xA9</p>"), QStringLiteral("<p>\u00E9</p>"));
    // 0x93/0x94 are quotes in Windows-1252, control characters in Latin-1.
    EXPECT_EQ(decodeHtml("<p>\x93x\x94</p>"), QStringLiteral("<p>\u201Cx\u201D</p>"));
}

TEST(PageSource, MovesStyleAndLinkBeforeTheBodyIntoTheHead) {
    const QString page = hoistHeadElements(
        QStringLiteral("<html>\n<link rel=\"stylesheet\" href=\"a.css\">\n<style>p{}</style>\n<body><style>q{}</style></body></html>"));
    EXPECT_EQ(page, QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"a.css\"><style>p{}</style></head>\n\n\n"
                                   "<body><style>q{}</style></body></html>"));
    const QString withHead = QStringLiteral("<html><head><title>t</title></head><link href=x><body></body>");
    EXPECT_EQ(hoistHeadElements(withHead), QStringLiteral("<html><head><link href=x><title>t</title></head><body></body>"));
    const QString inHead = QStringLiteral("<head><link href=x></head><body></body>");
    EXPECT_EQ(hoistHeadElements(inHead), inHead);
}

TEST(PageSource, ReadsNestedFramesetsWithTheirSizes) {
    FrameNode top;
    ASSERT_TRUE(parseFrameset(QStringLiteral("<frameset rows=\"30%,*\"><frame name=top src='t.htm'>"
                                             "<FRAMESET cols=200,*><frame name=left src=l.htm scrolling=NO><frame name=\"right\" src=r.htm>"
                                             "</frameset><noframes><body>no</body></noframes></frameset>"),
                              top));
    EXPECT_FALSE(top.columns);
    EXPECT_EQ(top.sizes, (QStringList{"30%", "*"}));
    ASSERT_EQ(top.children.size(), 2);
    EXPECT_EQ(top.children[0].name, QStringLiteral("top"));
    EXPECT_EQ(top.children[0].src, QStringLiteral("t.htm"));
    const FrameNode& inner = top.children[1];
    ASSERT_TRUE(inner.isFrameset);
    EXPECT_TRUE(inner.columns);
    ASSERT_EQ(inner.children.size(), 2);
    EXPECT_EQ(inner.children[1].name, QStringLiteral("right"));
    EXPECT_FALSE(inner.children[0].scrolls);
    EXPECT_TRUE(inner.children[1].scrolls);

    FrameNode none;
    EXPECT_FALSE(parseFrameset(QStringLiteral("<body><p>frame</p></body>"), none));
}

TEST(PageSource, SizesFramesByPixelsPercentAndShares) {
    EXPECT_EQ(frameSizes({"200", "*"}, 2, 1000), (QList<int>{200, 800}));
    EXPECT_EQ(frameSizes({"25%", "*", "3*"}, 3, 800), (QList<int>{200, 150, 450}));
    EXPECT_EQ(frameSizes({"100", "100"}, 2, 500), (QList<int>{100, 400}));
    EXPECT_EQ(frameSizes({"900", "*"}, 2, 500), (QList<int>{500, 0}));
    EXPECT_EQ(frameSizes({}, 2, 100), (QList<int>{50, 50}));
}

TEST(PageSource, CarriesLinkTargetsAndNamesAMissingPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.htm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<title> A &amp; B </title><a href=x.htm target=main>x</a> <a href=y.htm>y</a>");
    file.close();
    const PageSource page = loadPage(path);
    EXPECT_EQ(page.title, QStringLiteral("A & B"));
    ASSERT_EQ(page.links.size(), 1);
    EXPECT_EQ(page.links[0].href, QStringLiteral("x.htm"));
    EXPECT_EQ(page.links[0].target, QStringLiteral("main"));
    EXPECT_TRUE(page.html.contains(QStringLiteral("<a href=\"korvo-link:0\">x</a>")));
    EXPECT_TRUE(page.html.contains(QStringLiteral("<a href=y.htm>y</a>")));

    const QString missing = dir.filePath(QStringLiteral("gone.htm"));
    const PageSource note = loadPage(missing);
    EXPECT_TRUE(note.html.contains(missing));
    EXPECT_EQ(pageName(note, missing), QStringLiteral("gone.htm"));
}

TEST(Address, ResolvesLinksToPathsAndKeepsDesktopAddresses) {
    EXPECT_EQ(resolveLink(QStringLiteral("/h/commands/index.htm"), QStringLiteral("../css/a%20b.css")), QStringLiteral("/h/css/a b.css"));
    EXPECT_EQ(resolveLink(QStringLiteral("/h/p.htm"), QStringLiteral("#top")), QStringLiteral("/h/p.htm#top"));
    EXPECT_EQ(resolveLink(QStringLiteral("/h/p.htm"), QStringLiteral("file:///x/y.htm")), QStringLiteral("/x/y.htm"));
    EXPECT_EQ(resolveLink(QStringLiteral("/h/p.htm"), QStringLiteral("sub\\q.htm")), QStringLiteral("/h/sub/q.htm"));
    const QString web = QStringLiteral("http://example.com/a?b=1&c=2");
    EXPECT_EQ(resolveLink(QStringLiteral("/h/p.htm"), web), web);
    EXPECT_TRUE(isDesktopAddress(QStringLiteral("MAILTO:x@y")));
    EXPECT_TRUE(isDesktopAddress(QStringLiteral("https://x")));
    EXPECT_FALSE(isDesktopAddress(QStringLiteral("/h/http.htm")));
    EXPECT_EQ(normalizedAddress(QStringLiteral("file:///a/b/../c.htm")), QStringLiteral("/a/c.htm"));
}
