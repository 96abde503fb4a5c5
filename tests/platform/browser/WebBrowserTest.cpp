#include "platform/ShellOpen.h"
#include "platform/browser/WebBrowser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    EXPECT_EQ(events, (QStringList{"before a.htm", "progress 0/100", "complete a.htm", "progress 100/100"}));
    EXPECT_EQ(view.locationURL(), path("a.htm"));
    EXPECT_EQ(view.locationName(), QStringLiteral("Page A"));
    EXPECT_EQ(view.readyState(), browser::ReadyComplete);

    events.clear();
    view.navigate(path("b.htm"));
    view.navigate(path("refused.htm"));
    view.navigate(QStringLiteral("mailto:someone@example.com"));
    EXPECT_EQ(events, (QStringList{"before b.htm", "progress 0/100", "complete b.htm back", "progress 100/100", "before refused.htm",
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
    EXPECT_EQ(events, (QStringList{"progress 0/100", "progress 100/100"}));
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

}
