#include "explorer/HelpBrowser.h"

#include "explorer/ExplorerServices.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "files/fileexplorer/ExplorerOpen.h"
#include "platform/Host.h"
#include "platform/browser/WebBrowser.h"
#include "vocabulary/WindowKeys.h"

#include <QPointer>

namespace {

QPointer<frmMainHelp> gHelpForm;
QString gHelpWindowID;

class HelpBrowserService : public HelpHost, public HelpPageViewer {
public:
    bool Visible() const override {
        return gHelpForm && platform::host().documentWindow(kHelpWindowKey) == gHelpForm.data();
    }
    bool ShowBrowserHelp(const QString& keyword) override { return LoadHelpForm().ShowBrowserHelp(keyword); }
    int ReadyState() const override {
        const frmBrowser* tab = gHelpForm ? gHelpForm->ActiveTab() : nullptr;
        return tab ? tab->Browser->readyState() : 0;
    }
    QString HelpWindowID() const override { return gHelpWindowID; }

    bool ShowPageInNewTab(const QString& path) override {
        if (!Visible())
            OpenHelpWindow();
        frmMainHelp& help = LoadHelpForm();
        help.AddNewHelpTab();
        frmBrowser* tab = help.ActiveTab();
        if (tab)
            tab->Browser->navigate(path);
        // The page opens where the user looks: the help window comes to the
        // front with the keys on the page.
        platform::host().activateDocumentWindow(kHelpWindowKey);
        if (tab)
            tab->Browser->focusPage();
        return true;
    }
};

HelpBrowserService gService;

}

void InstallHelpBrowser() {
    setHelpHost(&gService);
    SetHelpPageViewer(&gService);
}

void UninstallHelpBrowser() {
    setHelpHost(nullptr);
    SetHelpPageViewer(nullptr);
}

frmMainHelp* HelpForm() {
    return gHelpForm;
}

frmMainHelp& LoadHelpForm() {
    if (!gHelpForm)
        gHelpForm = new frmMainHelp;
    return *gHelpForm;
}

void UnloadHelpForm() {
    if (!gHelpForm)
        return;
    if (platform::host().documentWindow(kHelpWindowKey) == gHelpForm.data())
        platform::host().closeDocumentWindow(kHelpWindowKey);
    delete gHelpForm.data();
}

void OpenHelpWindow() {
    frmMainHelp& help = LoadHelpForm();
    if (platform::host().documentWindow(kHelpWindowKey) == &help) {
        gHelpWindowID = platform::host().documentWindowId(kHelpWindowKey);
        return;
    }
    // Added under its key, so that its activation is the help window's.
    gHelpWindowID = platform::host().addDocumentWindow(QStringLiteral("HELP"), &help, kHelpWindowKey);
}

QString HelpWindowID() {
    return gHelpWindowID;
}
