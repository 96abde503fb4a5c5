#include "shell/frmMain.h"

#include "aids/FindDialog.h"
#include "build/ActiveCompiler.h"
#include "build/CommandCombos.h"
#include "build/CompilerList.h"
#include "build/ExternalTools.h"
#include "explorer/HelpBrowser.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "platform/browser/WebBrowser.h"
#include "files/CommandLineFiles.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/Workspaces.h"
#include "files/RecentFilesProjects.h"
#include "foundation/FileHelpers.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "platform/dock/HostLayer.h"
#include "vocabulary/SettingsValues.h"
#include "shell/DockForms.h"
#include "platform/Host.h"
#include "shell/InstanceHandOff.h"
#include "shell/LayoutSlots.h"
#include "shell/QuickHelpDisplay.h"
#include "shell/RecentLists.h"
#include "shell/StatusObjects.h"
#include "settings/UIStyle.h"
#include "shell/WindowPlacement.h"
#include "vocabulary/WindowKeys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

int gLastWindowState = 0;

namespace {
QPointer<frmMain> gMainWindow;

QSize screenTwips(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {pixels.width() * twips::perPixelX(&window), pixels.height() * twips::perPixelY(&window)};
}

int windowStateNumber(const QWidget& window) {
    if (window.isMinimized())
        return 1;
    return window.isMaximized() ? 2 : 0;
}
}

frmMain* MainWindow() {
    return gMainWindow;
}

frmMain::frmMain() : DS(new dock::DockLayer(*this)), Rtb(new QuickHelpLine(this)), host_(*DS) {
    gMainWindow = this;
    setWindowTitle(QStringLiteral("Korvo"));
    setObjectName(QStringLiteral("frmMain"));
    Rtb->hide();
    ShowQuickHelpIn(*this);
    DS->setEvents(this);
    dock::setHostLayer(DS);
    platform::setHost(&host_);
    InstallHelpBrowser();
}

frmMain::~frmMain() {
    UninstallHelpBrowser();
    UnloadHelpForm();
    DS->setEvents(nullptr);
    if (&platform::host() == &host_)
        platform::setHost(nullptr);
    dock::setHostLayer(nullptr);
}

void frmMain::Form_Load() {
    try {
        receiver_ = new InstanceReceiver(*this);
        const QString section = LayoutSectionName(0);
        // The docks' sizes are restored for the size and state the window comes up in.
        ApplyPlacement(*this, ReadStartPlacement(section, screenTwips(*this)));
        if (!DS->loadLayout(DefaultLayoutPath()))
            DS->loadLayout(BuiltInLayoutPath());
        DS->loadLayout(LayoutFilePath(0));
        AdditionalUISetup();
        AddDockForms(true);
        ApplyUIStyle();

        const int storedRecent = platform::GetSetting(QStringLiteral("RecentFilenames"), QStringLiteral("Count"), QStringLiteral("0")).toInt();
        const dock::Command* recentFiles = DS->findCommand(QStringLiteral("FileRecentFiles"));
        if (!recentFiles || storedRecent != recentFiles->items().size())
            LoadRecentFilesProjects();
        AddExternalToolsToMenu();
        gMRUCommandLine.setNumber(5);
        gMRUCommandLine.Load();
        FillCommandCombos();
        if (gOpenBrowserAtStartup != 0) {
            OpenBrowser();
            if (gDefaultHelpPage.size() > 4) {
                LoadHelpForm().AddNewHelpTab();
                if (frmBrowser* tab = LoadHelpForm().ActiveTab())
                    tab->Browser->navigate(gDefaultHelpPage);
            }
        }
        if (dock::Command* newWindow = LoadHelpForm().DSHelp->findCommand(QStringLiteral("New Blank Window")))
            newWindow->setCaption(QStringLiteral("New Window"));
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_Load"), QStringLiteral("frmMain"));
    }
}

void frmMain::AddDockForms(bool FirstTimeLoading) {
    try {
        if (gEdit1Pane) {
            Rtb->setWidthTwips(20000);
            gEdit1Pane->setHostedWidget(Rtb);
        }
        if (dockForms_.isEmpty())
            for (const DockFormSlot& slot : kDockFormSlots)
                dockForms_.append(slot.create(this));
        for (qsizetype i = 0; i < dockForms_.size(); ++i)
            AttachDockForm(QString::fromLatin1(kDockFormSlots[i].key), dockForms_[i], FirstTimeLoading);
    } catch (...) {
        SetErrorLog(QStringLiteral("AddDockForms"), QStringLiteral("frmMain"));
    }
}

void frmMain::AttachDockForm(const QString& key, QWidget* form, bool FirstTimeLoading) {
    if (!form)
        return;
    try {
        dock::DockWindow& window = DS->dockWindow(key);
        window.setForm(nullptr);
        window.setForm(form);
        window.setCaption(form->windowTitle());
        if (FirstTimeLoading)
            DS->dockPictures().insert(key, form->windowIcon());
        window.setWindowIcon(DS->dockPictures().value(key));
    } catch (const KorvoError& error) {
        if (error.number != 50000) {
            SetErrorLog(QStringLiteral("AttachDockForm"), QStringLiteral("frmMain"));
            return;
        }
        DS->addDockWindow(key, form->windowTitle(), form->windowIcon(), form, true);
    }
}

void frmMain::FillCommandCombos() {
    PopulateCboCompilers();
    QStringList commandLines;
    for (int i = 1; i <= gMRUCommandLine.Count(); ++i)
        commandLines.append(gMRUCommandLine.IndexItem(i));
    PopulateCboCommandLine(commandLines);
    if (dock::Command* compilers = DS->findCommand(QStringLiteral("cboCompilers")); compilers && gActiveCompiler)
        compilers->setText(gActiveCompiler->Name);
    if (dock::Command* commandLine = DS->findCommand(QStringLiteral("cboCommandLine")); commandLine && gActiveProject)
        commandLine->setText(gActiveProject->CommandLine);
}

void frmMain::OpenBrowser() {
    OpenHelpWindow();
}

void frmMain::Text1_Change(const QString& text) {
    if (text.isEmpty())
        return;
    if (isMinimized())
        setWindowState(gLastWindowState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    raise();
    activateWindow();
    if (text != QLatin1String(kActivateMessage))
        OpenFilesFromCommand(text);
}

double frmMain::TextWidth(const QString& text) const {
    return double(fontMetrics().horizontalAdvance(text)) * twips::perPixelX(this);
}

void frmMain::UnloadMainWindow() {
    close();
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        gLastWindowState = isMaximized() ? 2 : 0;
    QMainWindow::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload())
        event->ignore();
    else
        event->accept();
}

bool frmMain::Form_QueryUnload() {
    // The settings are written once, at the end, whatever the forms save as they unload.
    const platform::SettingsBatch oneWrite;
    const platform::CodeExplorerRefillBatch refillOnce;
    const auto cancelled = [this] {
        if (receiver_)
            receiver_->claim();
        return true;
    };
    try {
        if (receiver_)
            receiver_->release();
        frmFind::Unload();
        SaveWorkSpace(FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf/LastWorkspace.kws"))));
        if (!SaveChangedProjects())
            return cancelled();
        for (const QPointer<dock::DocumentWindow>& window : DS->documents().guardedWindows()) {
            if (!window || window->nonDocument() || window->key() == kHelpWindowKey)
                continue;
            DS->documents().setVisible(*window, false);
            if (window && window->visible())
                return cancelled();
        }
        UnloadHelpForm();
        for (qsizetype i = 0; i < dockForms_.size(); ++i)
            if (dockForms_[i] && kDockFormSlots[i].unload)
                kDockFormSlots[i].unload(dockForms_[i]);
        for (dock::DockWindow* window : DS->dockWindows())
            window->setForm(nullptr);
        SaveRecentFilesProjects();
        gMRUCommandLine.Save();
        if (!isMinimized()) {
            if (!DS->saveLayout(LayoutFilePath(0)))
                platform::ShowWriteFailure(LayoutFilePath(0));
            SavePlacement(LayoutSectionName(0), *this, windowStateNumber(*this));
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_QueryUnload"), QStringLiteral("frmMain"));
    }
    return false;
}
