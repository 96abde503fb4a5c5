#include "platform/ShellOpen.h"
#include "platform/browser/FrameView.h"
#include "platform/browser/WebBrowser.h"
#include "support/LinkClick.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class WebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        write("a.htm", "<title>Page A</title><a href=b.htm>b</a>");
        write("b.htm", "<p>b</p>");
        QObject::connect(&view, &browser::WebBrowser::beforeNavigate, [this](const QString& url, bool& cancel) {
            events.append(QStringLiteral("before ") + name(url));
            cancel = url.endsWith(QLatin1String("refused.htm"));
        });
        QObject::connect(&view, &browser::WebBrowser::navigateComplete, [this](const QString& url) {
            events.append(QStringLiteral("complete ") + name(url) + (view.canGoBack() ? QStringLiteral(" back") : QString()));
        });
        QObject::connect(&view, &browser::WebBrowser::progressChange,
                         [this](int progress, int maximum) { events.append(QStringLiteral("progress %1/%2").arg(progress).arg(maximum)); });
        platform::setShellHandler([this](const platform::ShellRequest& request) {
            events.append(QStringLiteral("desktop ") + request.file);
            return int(platform::ShellSuccess);
        });
    }
    void TearDown() override { platform::setShellHandler({}); }

    void write(const char* file, const char* html) {
        QFile out(dir.filePath(QLatin1String(file)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(html);
    }
    QString path(const char* file) const { return dir.filePath(QLatin1String(file)); }
    QString name(const QString& url) const { return url.startsWith(dir.path()) ? url.mid(dir.path().size() + 1) : url; }

    QTemporaryDir dir;
    browser::WebBrowser view;
    QStringList events;
};

TEST_F(WebBrowserTest, NavigatesWithItsEventsAndKeepsItsOwnHistory) {
    EXPECT_EQ(view.readyState(), browser::ReadyUninitialized);
    view.navigate(QStringLiteral("file://") + path("a.htm"));
    EXPECT_EQ(events, (QStringList{"before a.htm", "progress 0/100", "complete a.htm", "progress 0/0"}));
    EXPECT_EQ(view.locationURL(), path("a.htm"));
    EXPECT_EQ(view.locationName(), QStringLiteral("Page A"));
    EXPECT_EQ(view.readyState(), browser::ReadyComplete);

    events.clear();
    view.navigate(path("b.htm"));
    view.navigate(path("refused.htm"));
    view.navigate(QStringLiteral("mailto:someone@example.com"));
    EXPECT_EQ(events, (QStringList{"before b.htm", "progress 0/100", "complete b.htm back", "progress 0/0", "before refused.htm",
                                   "before mailto:someone@example.com", "desktop mailto:someone@example.com"}));
    EXPECT_EQ(view.locationName(), QStringLiteral("b.htm"));
    EXPECT_TRUE(view.frames().isEmpty());

    view.goBack();
    EXPECT_EQ(view.locationURL(), path("a.htm"));
    EXPECT_FALSE(view.canGoBack());
    EXPECT_TRUE(view.canGoForward());
    view.goForward();
    EXPECT_EQ(view.locationURL(), path("b.htm"));

    // A refresh shows the file as it is now, without navigation events.
    write("b.htm", "<title>New B</title>");
    events.clear();
    view.refresh();
    EXPECT_EQ(view.locationName(), QStringLiteral("New B"));
    EXPECT_EQ(events, (QStringList{"progress 0/100", "progress 0/0"}));
    EXPECT_TRUE(view.canGoBack());
}

TEST_F(WebBrowserTest, ANewPageAfterGoingBackDropsTheForwardPages) {
    view.navigate(path("a.htm"));
    view.navigate(path("b.htm"));
    view.goBack();
    view.navigate(path("missing.htm"));
    EXPECT_FALSE(view.canGoForward());
    view.goBack();
    EXPECT_EQ(view.locationURL(), path("a.htm"));
    EXPECT_FALSE(view.canGoBack());
}

TEST_F(WebBrowserTest, AClickedLinkOnAPageWithoutFramesLoadsANewPageThatBackLeaves) {
    write("c.htm", "<html><body><h1>C</h1><p>See also: <a class=small href=a.htm>Page A</a>.</p></body></html>");
    view.navigate(path("c.htm"));
    events.clear();
    ASSERT_TRUE(clickLink(*view.frameView(QString()), QStringLiteral("Page A")));
    EXPECT_EQ(view.locationURL(), path("a.htm"));
    EXPECT_EQ(view.locationName(), QStringLiteral("Page A"));
    EXPECT_TRUE(view.frames().isEmpty());
    EXPECT_EQ(events, (QStringList{"before a.htm", "progress 0/100", "complete a.htm back", "progress 0/0"}));

    ASSERT_TRUE(clickLink(*view.frameView(QString()), QStringLiteral("b")));
    EXPECT_EQ(view.locationURL(), path("b.htm"));
    view.goBack();
    view.goBack();
    EXPECT_EQ(view.locationURL(), path("c.htm"));
    EXPECT_FALSE(view.canGoBack());
}

TEST_F(WebBrowserTest, BackGoesThroughEachFramesPagesAndJumpsNamedOrNot) {
    write("set.htm", "<frameset cols=\"30%,*\"><frame src=a.htm><frame name=main src=c.htm></frameset>");
    write("c.htm", "<a href=#end>end</a><p>c</p><a name=end>the end</a>");
    write("d.htm", "<p>d</p>");
    view.navigate(path("set.htm"));
    const auto framePages = [this] {
        QStringList pages;
        for (const auto& [name, address] : view.frames())
            pages.append(name + QLatin1Char('=') + this->name(address));
        return pages.join(QLatin1Char(' '));
    };
    ASSERT_EQ(framePages(), QStringLiteral("=a.htm main=c.htm"));
    browser::FrameView* unnamed = view.frameView(QString());
    ASSERT_TRUE(clickLink(*unnamed, QStringLiteral("b")));
    ASSERT_TRUE(clickLink(*view.frameView(QStringLiteral("main")), QStringLiteral("end")));
    EXPECT_EQ(framePages(), QStringLiteral("=b.htm main=c.htm#end"));
    view.navigate(path("d.htm"));

    QStringList steps;
    while (view.canGoBack()) {
        view.goBack();
        steps.append(view.frames().isEmpty() ? name(view.locationURL()) : framePages());
    }
    EXPECT_EQ(steps, (QStringList{"=b.htm main=c.htm#end", "=b.htm main=c.htm", "=a.htm main=c.htm"}));

    // A jump on a page without frames is a step too.
    view.navigate(path("c.htm"));
    ASSERT_TRUE(clickLink(*view.frameView(QString()), QStringLiteral("end")));
    EXPECT_EQ(view.locationURL(), path("c.htm") + QStringLiteral("#end"));
    view.goBack();
    EXPECT_EQ(view.locationURL(), path("c.htm"));
}

TEST_F(WebBrowserTest, APageThatIsNoHtmlShowsItsTextLineByLineInAFixedFace) {
    write("p.htm", "<a href=\"example.bb\">Example</a> <a href=notes.TXT>Notes</a>");
    write("example.bb", "; Print Example\r\n; <b>not bold</b>\r\n\r\nPrint \"Caf\xE9\"\r\rWaitKey");
    write("notes.TXT", "one\ntwo");
    view.navigate(path("p.htm"));
    ASSERT_TRUE(clickLink(*view.frameView(QString()), QStringLiteral("Example")));
    EXPECT_EQ(view.locationURL(), path("example.bb"));
    EXPECT_EQ(view.locationName(), QStringLiteral("example.bb"));
    const browser::FrameView& shown = *view.frameView(QString());
    EXPECT_EQ(shown.toPlainText(), QStringLiteral("; Print Example\n; <b>not bold</b>\n\nPrint \"Caf\u00E9\"\n\nWaitKey"));
    QTextCursor line(shown.document()->findBlockByNumber(3));
    line.movePosition(QTextCursor::NextCharacter);
    // As drawn: some monospace faces do not tell fontconfig they are.
    const QFontMetrics shownFace(line.charFormat().font());
    EXPECT_EQ(shownFace.horizontalAdvance(QLatin1Char('i')), shownFace.horizontalAdvance(QLatin1Char('W')));

    view.goBack();
    ASSERT_TRUE(clickLink(*view.frameView(QString()), QStringLiteral("Notes")));
    EXPECT_EQ(view.frameView(QString())->toPlainText(), QStringLiteral("one\ntwo"));
}

}
