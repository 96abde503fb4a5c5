#include "explorer/frmBrowser.h"

#include "explorer/HelpPages.h"
#include "explorer/frmMainHelp.h"
#include "foundation/errors/ErrorLog.h"
#include "language/complete/QuickHelp.h"
#include "platform/browser/Address.h"
#include "platform/browser/WebBrowser.h"

#include <QVBoxLayout>

namespace {
const QString kModule = QStringLiteral("frmBrowser");

bool isHelpPage(const QString& url) {
    const QString folder = ActiveHelpFolder();
    return !folder.isEmpty() && url.size() > folder.size() && url.startsWith(folder);
}
}

frmBrowser::frmBrowser(frmMainHelp& help, QWidget* parent) : QWidget(parent), Browser(new browser::WebBrowser(this)), help_(help) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    connect(Browser, &browser::WebBrowser::beforeNavigate, this, &frmBrowser::Browser_BeforeNavigate2);
    connect(Browser, &browser::WebBrowser::navigateComplete, this, &frmBrowser::Browser_NavigateComplete2);
    connect(Browser, &browser::WebBrowser::newWindow, this, &frmBrowser::Browser_NewWindow2);
    connect(Browser, &browser::WebBrowser::commandStateChange, this, &frmBrowser::CommandStateChange);
    connect(Browser, &browser::WebBrowser::progressChange, this, &frmBrowser::ProgressChange);
    connect(Browser, &browser::WebBrowser::statusTextChange, this, &frmBrowser::StatusTextChange);
}

void frmBrowser::Browser_BeforeNavigate2(const QString& url, bool& cancel) {
    try {
        if (url == QLatin1String("http:///")) {
            cancel = true;
            return;
        }
        // A desktop address opens outside: the tab keeps its page and title.
        if (browser::isDesktopAddress(url))
            return;
        help_.SetTabCaption(*this, isHelpPage(url) ? GetBBHelpTitle(ActiveHelpFolder(), url) : url);
    } catch (...) {
        SetErrorLog(QStringLiteral("Browser_BeforeNavigate2"), kModule);
    }
}

void frmBrowser::Browser_NavigateComplete2(const QString& url) {
    try {
        const QString caption = isHelpPage(url) ? help_.TabCaption(*this) : Browser->locationName();
        help_.SetTabCaption(*this, caption);
        help_.RememberAddress(Browser->locationURL());
        help_.UpdateHelpCommandUI();
    } catch (...) {
        SetErrorLog(QStringLiteral("Browser_NavigateComplete2"), kModule);
    }
}

void frmBrowser::Browser_NewWindow2(const QString& url) {
    try {
        help_.OpenInNewTabBehind(url);
    } catch (...) {
        SetErrorLog(QStringLiteral("Browser_NewWindow2"), kModule);
    }
}

void frmBrowser::CommandStateChange(int command, bool enable) {
    if (command == browser::CommandForward)
        CanForward = enable;
    else if (command == browser::CommandBack)
        CanBack = enable;
}

void frmBrowser::ProgressChange(int progress, int progressMax) {
    ProgressBarMax = progressMax;
    ProgressBarValue = progress;
    help_.ShowProgress(*this);
}

void frmBrowser::StatusTextChange(const QString& text) {
    quickHelp().show(text, 0, 0, QColor());
}
