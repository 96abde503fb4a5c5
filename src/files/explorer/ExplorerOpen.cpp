#include "files/explorer/ExplorerOpen.h"

#include "files/CommandLineFiles.h"
#include "vocabulary/SettingsValues.h"

namespace {

HelpPageViewer* gViewer = nullptr;

bool isHtmlPath(const QString& path) {
    const QString upper = path.toUpper();
    return path.size() > 4 && (upper.endsWith(QLatin1String(".HTM")) || upper.endsWith(QLatin1String(".HTML")));
}

// Stands in for OpenFile until files open through it.
void OpenFile(const QString& path) {
    OpenFilesFromCommand(JoinCommandLine({path}));
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
