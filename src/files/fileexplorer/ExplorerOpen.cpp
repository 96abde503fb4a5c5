#include "files/fileexplorer/ExplorerOpen.h"

#include "files/OpenDocuments.h"
#include "vocabulary/SettingsValues.h"

namespace {

HelpPageViewer* gViewer = nullptr;

bool isHtmlPath(const QString& path) {
    const QString upper = path.toUpper();
    return path.size() > 4 && (upper.endsWith(QLatin1String(".HTM")) || upper.endsWith(QLatin1String(".HTML")));
}

}

void SetHelpPageViewer(HelpPageViewer* viewer) {
    gViewer = viewer;
}

bool OpenInHelpBrowser(const QString& path) {
    if (gOpenHtmlInKorvo == 0 || !isHtmlPath(path) || !gViewer)
        return false;
    return gViewer->ShowPageInNewTab(path);
}

void OpenExplorerFile(const QString& path) {
    if (!OpenInHelpBrowser(path))
        OpenFile(path);
}
