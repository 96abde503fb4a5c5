#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the browser control shows of one local HTML file: the text handed
// to the rich-text view, its title, and the links that name a target
// frame. Rich text drops a link's target, so each such link's address is
// replaced by kTargetedLinkScheme + its index in links.
namespace browser {

inline constexpr const char* kTargetedLinkScheme = "korvo-link:";

struct TargetedLink {
    QString href;
    QString target;
};

// A frameset: its frames side by side (cols) or one below the other
// (rows), each sized by its entry of sizes ("200", "30%", "*").
struct FrameNode {
    QString name;  // frames only
    QString src;   // frames only, as written
    bool scrolls = true;  // frames only: false for scrolling="no"
    bool isFrameset = false;
    bool columns = true;
    QStringList sizes;
    QList<FrameNode> children;
};

struct PageSource {
    QString html;
    QString title;
    QList<TargetedLink> links;
    bool isFrameset = false;
    FrameNode frameset;
};

// Hostile pages stay cheap: larger files are refused, framesets nested
// deeper and frames beyond the count are left out.
inline constexpr qint64 kMaxPageBytes = qint64(16) << 20;
inline constexpr int kMaxFramesetDepth = 8;
inline constexpr int kMaxFrames = 64;
// The rich-text view slows down with each style sheet more than the last.
inline constexpr int kMaxHeadElements = 64;

// By the declared charset, else UTF-8 when valid, else Windows-1252.
QString decodeHtml(const QByteArray& bytes);
// Moves <link> and <style> elements found before <body> into <head> and
// drops those beyond the first kMaxHeadElements, in time linear in the
// page's length.
QString hoistHeadElements(const QString& html);
// The outermost <frameset> of the page, when it has one.
bool parseFrameset(const QString& html, FrameNode& frameset);
// Reads and prepares the file: one named .htm or .html as HTML, any other
// as its text with its lines; a file that cannot be read (missing, not a
// regular file, too large) or that is too much to show (PageShape) gives a
// note naming it.
PageSource loadPage(const QString& path);
// The title, else the file name.
QString pageName(const PageSource& page, const QString& path);

}
