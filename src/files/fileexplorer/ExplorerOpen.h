#pragma once

#include <QString>

// What the file explorer asks of the help browser: show an HTML file in a
// new help tab. The help browser installs itself here once it exists; until
// then no page is shown and HTML files open as any other file.
class HelpPageViewer {
public:
    virtual ~HelpPageViewer() = default;
    // True when the page is shown.
    virtual bool ShowPageInNewTab(const QString& path) = 0;
};

// Installs the viewer (null removes it); the caller keeps it alive.
void SetHelpPageViewer(HelpPageViewer* viewer);

// True when the path names an HTML file (".HTM" or ".HTML" in any case,
// longer than 4 characters), setting Options/gOpenHtmlInKorvo is not 0 and
// the help browser showed it.
bool OpenInHelpBrowser(const QString& path);

// The explorer's open step: the help browser first, then OpenFile.
void OpenExplorerFile(const QString& path);
