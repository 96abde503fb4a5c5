#include "explorer/frmMainHelp.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "editor/CurrentView.h"
#include "explorer/HelpLayout.h"
#include "explorer/HelpPages.h"
#include "explorer/frmBrowser.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Host.h"
#include "platform/ProgramFolder.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"
#include "vocabulary/SettingsValues.h"

#include <QKeyEvent>

namespace {

const QString kModule = QStringLiteral("frmMainHelp");
const QString kAddress = QStringLiteral("cboAddress");
constexpr int kHistoryKept = 20;

// Freezes the help window's drawing for a scope.
class HelpRedrawLock {
public:
    explicit HelpRedrawLock(QWidget& window) : window_(window) { window_.setUpdatesEnabled(false); }
    ~HelpRedrawLock() { window_.setUpdatesEnabled(true); }
    HelpRedrawLock(const HelpRedrawLock&) = delete;
    HelpRedrawLock& operator=(const HelpRedrawLock&) = delete;

private:
    QWidget& window_;
};

bool isCtrlN(const QKeyEvent& event) {
    return event.key() == Qt::Key_N && (event.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

}

frmMainHelp::frmMainHelp(bool keepsLayout) : DSHelp(new dock::DockLayer(*this)), keepsLayout_(keepsLayout) {
    setObjectName(QStringLiteral("frmMainHelp"));
    setWindowTitle(QStringLiteral("HELP"));
    setWindowFlags(Qt::Widget);
    DSHelp->setEvents(this);
    DSHelp->keepFromOuterLayers(QKeySequence(Qt::CTRL | Qt::Key_N));
    Form_Load();
}

frmMainHelp::~frmMainHelp() {
    Form_QueryUnload();
    DSHelp->setEvents(nullptr);
}

frmBrowser* frmMainHelp::ActiveTab() const {
    return activeTab_;
}

QString frmMainHelp::LayoutFilePath() {
    return platform::programSubfolder(QStringLiteral("Layouts/Layout0.8_h.mp"));
}

void frmMainHelp::Form_Load() {
    DSHelp->applyLayout(BuiltInHelpLayout());
    if (keepsLayout_)
        if (const std::optional<dock::LayoutData> stored = ReadHelpLayout(LayoutFilePath()))
            DSHelp->applyLayout(*stored);
    UpdateHelpCommandUI();
}

void frmMainHelp::Form_QueryUnload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    try {
        DSHelp->setEvents(nullptr);
        activeTab_ = nullptr;
        for (const QPointer<dock::DocumentWindow>& window : DSHelp->documents().guardedWindows()) {
            if (!window)
                continue;
            QWidget* form = window->form();
            DSHelp->documents().setForm(*window, nullptr);
            DSHelp->documents().remove(*window);
            delete form;
        }
        if (dock::Command* address = DSHelp->findCommand(kAddress)) {
            address->clearItems();
            address->setText(QString());
        }
        if (keepsLayout_ && !DSHelp->saveLayout(LayoutFilePath()))
            platform::ShowWriteFailure(LayoutFilePath());
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_QueryUnload"), kModule);
    }
}

bool frmMainHelp::ShowBrowserHelp(const QString& Keyword) {
    try {
        if (!gActiveCompiler)
            return false;
        const QString page = KeywordHelpPage(ActiveHelpFolder(), Keyword, IFNoHelpFound);
        if (page.isEmpty())
            return false;
        if (!activeTab_ || EachHelpInNewTab != 0)
            AddNewHelpTab();
        activeTab_->Browser->navigate(page);
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("ShowBrowserHelp"), kModule);
        return false;
    }
}

void frmMainHelp::AddNewHelpTab() {
    try {
        auto* tab = new frmBrowser(*this);
        activeTab_ = tab;
        dock::DocumentWindow& window = DSHelp->documents().add(QStringLiteral("Blank"), tab, QString());
        tab->DSID = window.id();
        // The list of tabs names each by its key.
        window.setKey(window.id());
        UpdateHelpCommandUI();
    } catch (...) {
        SetErrorLog(QStringLiteral("AddNewHelpTab"), kModule);
    }
}

void frmMainHelp::SetTabCaption(const frmBrowser& tab, const QString& caption) {
    if (dock::DocumentWindow* window = DSHelp->documents().find(tab.DSID))
        DSHelp->documents().setCaption(*window, caption);
}

QString frmMainHelp::TabCaption(const frmBrowser& tab) const {
    const dock::DocumentWindow* window = DSHelp->documents().find(tab.DSID);
    return window ? window->caption() : QString();
}

void frmMainHelp::RememberAddress(const QString& address) {
    dock::Command* combo = DSHelp->findCommand(kAddress);
    if (!combo)
        return;
    QList<dock::ListItemData> items = combo->items();
    const auto same = std::find_if(items.begin(), items.end(), [&address](const dock::ListItemData& item) { return item.caption == address; });
    if (same != items.end())
        items.erase(same);
    else if (items.size() > kHistoryKept)
        items.removeLast();
    items.prepend({address, address});
    combo->setItems(items);
}

void frmMainHelp::UpdateHelpCommandUI() {
    try {
        const auto enable = [this](const char* key, bool enabled) {
            if (dock::Command* command = DSHelp->findCommand(QLatin1String(key)))
                command->setEnabled(enabled);
        };
        dock::Command* combo = DSHelp->findCommand(kAddress);
        const frmBrowser* tab = activeTab_;
        enable("Back", tab && tab->CanBack);
        enable("Forward", tab && tab->CanForward);
        for (const char* key : {"Close", "Close All", "Refresh"})
            enable(key, tab != nullptr);
        enable("Stop", tab && tab->Browser->readyState() == browser::ReadyLoading);
        if (combo)
            combo->setText(tab ? tab->Browser->locationURL() : QString());
        if (!tab)
            setProgress(0, progressMaximum_);
        else
            setProgress(tab->ProgressBarValue, tab->ProgressBarMax > 0 ? tab->ProgressBarMax : progressMaximum_);
    } catch (...) {
        SetErrorLog(QStringLiteral("UpdateHelpCommandUI"), kModule);
    }
}

void frmMainHelp::ShowProgress(const frmBrowser& tab) {
    if (&tab != activeTab_)
        return;
    setProgress(tab.ProgressBarValue, tab.ProgressBarMax);
    // Stop is there while the page still loads, as in a browser.
    if (dock::Command* stop = DSHelp->findCommand(QStringLiteral("Stop")))
        stop->setEnabled(tab.Browser->readyState() == browser::ReadyLoading);
}

void frmMainHelp::setProgress(int value, int maximum) {
    progressMaximum_ = qMax(1, maximum);
    progressValue_ = qBound(0, value, progressMaximum_);
    if (dock::DockLayer* main = dock::hostLayer())
        if (dock::Command* pane = main->findCommand(QStringLiteral("StatusProgressBar")))
            pane->setProgress(progressValue_, progressMaximum_);
}

void frmMainHelp::OpenInNewTabBehind(const QString& address) {
    const QPointer<frmBrowser> previous = activeTab_;
    HelpRedrawLock frozen(*this);
    AddNewHelpTab();
    frmBrowser* tab = activeTab_;
    if (!tab)
        return;
    SetTabCaption(*tab, QStringLiteral("Home"));
    tab->Browser->navigate(address);
    if (previous)
        if (dock::DocumentWindow* window = DSHelp->documents().find(previous->DSID))
            DSHelp->documents().activate(*window);
}

void frmMainHelp::navigateCurrent(const QString& address) {
    if (!activeTab_)
        AddNewHelpTab();
    if (activeTab_)
        activeTab_->Browser->navigate(address);
}

void frmMainHelp::openHelpPage(const QString& page) {
    if (!activeTab_)
        AddNewHelpTab();
    if (gActiveCompiler && activeTab_)
        activeTab_->Browser->navigate(ActiveHelpFolder() + page);
}

void frmMainHelp::RunCommand(const QString& key) {
    if (dock::Command* command = DSHelp->findCommand(key))
        DSHelp->click(*command);
}

void frmMainHelp::CommandClick(dock::Command& command) {
    try {
        if (!gActiveCompiler)
            SetActiveCompiler(DefaultCompiler);
        const QString key = command.key();
        frmBrowser* tab = activeTab_;
        if (key == QLatin1String("Back")) {
            if (tab)
                tab->Browser->goBack();
        } else if (key == QLatin1String("Forward")) {
            if (tab)
                tab->Browser->goForward();
        } else if (key == QLatin1String("Refresh")) {
            if (tab && gActiveCompiler && !tab->Browser->locationURL().isEmpty())
                tab->Browser->refresh();
        } else if (key == QLatin1String("Home")) {
            openHelpPage(QStringLiteral("/index.html"));
        } else if (key == QLatin1String("Commands")) {
            openHelpPage(QStringLiteral("/commands/index.htm"));
        } else if (key == QLatin1String("Stop")) {
            if (tab)
                tab->Browser->stop();
        } else if (key == QLatin1String("Back To Code")) {
            try {
                platform::host().activateDocumentWindow(gLastEditorWindowID);
            } catch (...) {
            }
        } else if (key == QLatin1String("Close")) {
            if (tab)
                if (dock::DocumentWindow* window = DSHelp->documents().find(tab->DSID))
                    DSHelp->documents().setVisible(*window, false);
        } else if (key == QLatin1String("Close All")) {
            QList<QPointer<dock::DocumentWindow>> windows = DSHelp->documents().guardedWindows();
            for (qsizetype i = windows.size() - 1; i >= 0; --i)
                if (windows[i])
                    DSHelp->documents().setVisible(*windows[i], false);
        } else if (key == kAddress) {
            navigateCurrent(command.text());
        } else if (key == QLatin1String("New Current Window")) {
            const QString address = tab ? tab->Browser->locationURL() : QString();
            AddNewHelpTab();
            navigateCurrent(address);
        } else if (key == QLatin1String("New Blank Window")) {
            AddNewHelpTab();
            if (gDefaultHelpPage.size() > 4)
                navigateCurrent(gDefaultHelpPage);
        } else if (key == QLatin1String("Tabs")) {
            if (const std::optional<dock::ListItemData> item = command.clickedItem())
                if (dock::DocumentWindow* window = DSHelp->documents().find(item->key))
                    DSHelp->documents().activate(*window);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("DSHelp_CommandClick"), kModule);
    }
}

void frmMainHelp::ComboTextEntered(dock::Command& command) {
    try {
        if (!gActiveCompiler)
            SetActiveCompiler(DefaultCompiler);
        if (command.key() == kAddress)
            navigateCurrent(command.text());
    } catch (...) {
    }
}

void frmMainHelp::DocumentWindowActivate(dock::DocumentWindow& window) {
    activeTab_ = qobject_cast<frmBrowser*>(window.form());
    UpdateHelpCommandUI();
}

void frmMainHelp::DocumentWindowHiding(dock::DocumentWindow&, bool&) {}

void frmMainHelp::DocumentWindowClosed(dock::DocumentWindow& window) {
    try {
        QWidget* form = window.form();
        DSHelp->documents().setForm(window, nullptr);
        DSHelp->documents().remove(window);
        delete form;
        const dock::DocumentWindow* active = DSHelp->documents().active();
        activeTab_ = active ? qobject_cast<frmBrowser*>(active->form()) : nullptr;
        UpdateHelpCommandUI();
    } catch (...) {
        SetErrorLog(QStringLiteral("DSHelp_DocumentWindowHide"), kModule);
    }
}

void frmMainHelp::NoActiveDocument() {
    activeTab_ = nullptr;
    UpdateHelpCommandUI();
}

void frmMainHelp::DocumentWindowContextClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) {
    if (area != dock::HitTab)
        return;
    try {
        cancel = true;
        // The popup's commands act on the current tab: the clicked one.
        DSHelp->documents().activate(window);
        DSHelp->showPopup(QStringLiteral("CaptionContextPopup"));
    } catch (...) {
    }
}

void frmMainHelp::DocumentWindowDblClick(dock::DocumentWindow& window, dock::HitArea area, bool&) {
    if (area != dock::HitTab)
        return;
    try {
        DSHelp->documents().setVisible(window, false);
    } catch (...) {
    }
}

bool frmMainHelp::event(QEvent* event) {
    // Ctrl+N makes no new file while the help window has the focus.
    if (event->type() == QEvent::ShortcutOverride && isCtrlN(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void frmMainHelp::keyPressEvent(QKeyEvent* event) {
    if (isCtrlN(*event)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
