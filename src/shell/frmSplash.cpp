#include "shell/frmSplash.h"

#include "platform/SettingsStore.h"

#include "aids/HotCodeStore.h"
#include "build/CompilerList.h"
#include "build/ExternalTools.h"
#include "foundation/FontHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/ColouringFlags.h"
#include "platform/WindowUpdateLock.h"
#include "vocabulary/SettingsValues.h"
#include "settings/StyleStore.h"
#include "shell/CoreStartUp.h"
#include "shell/RecentLists.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QVBoxLayout>

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    auto* title = new QLabel(QStringLiteral("Korvo"), this);
    title->setStyleSheet(QStringLiteral("font-size: 28px; font-weight: bold;"));
    lblBuild = new QLabel(QStringLiteral("Build %1.%2.%3").arg(KORVO_VERSION_MAJOR).arg(KORVO_VERSION_MINOR).arg(KORVO_VERSION_PATCH), this);
    lblStatus = new QLabel(QStringLiteral("Initializing..."), this);
    auto* notice = new QLabel(QStringLiteral("A development environment for Blitz Basic"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    for (QLabel* label : {title, notice, lblBuild, lblStatus})
        layout->addWidget(label);
    setCursor(Qt::WaitCursor);
    setFixedSize(360, 170);
}

void frmSplash::SetStatus(const QString& sMessage) {
    lblStatus->setText(sMessage);
    lblStatus->repaint();
    emit statusShown(sMessage);
    QCoreApplication::processEvents();
}

bool frmSplash::start() {
    const platform::SettingsBatch oneRead;
    try {
        show();
        repaint();
        gMRUFind.setName(QStringLiteral("MRUFind"));
        gMRUReplace.setName(QStringLiteral("MRUReplace"));
        gMRUCommandLine.setName(QStringLiteral("MRUCommandLine"));

        SetStatus(QStringLiteral("Loading Scinitilla library..."));
        StartCore();
        SetStatus(QStringLiteral("Loading Compilers..."));
        if (!LoadCompilers())
            return false;
        SetStatus(QStringLiteral("Loading Options..."));
        GetOptions();
        AddFont(StyleFontPath());
        SetStatus(QStringLiteral("Loading HotCodes..."));
        LoadHotCodes();
        SetStatus(QStringLiteral("Loading External Tools..."));
        LoadExternalTools();
        SetStatus(QStringLiteral("Loading Editor Options..."));
        GetEditOptions();
        SetStatus(QStringLiteral("Loading Style..."));
        LoadStyle(SciStyleName);
        SetStatus(QStringLiteral("Loading Editor..."));
        auto* main = new frmMain;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->Form_Load();
        SetStatus(QStringLiteral("Starting Editor..."));
        const platform::ScopedWindowUpdateLock locked(main);
        main->show();
        QCoreApplication::processEvents();
        const dock::Command* strict = main->DS->findCommand(QStringLiteral("Strict Mode"));
        gStrictModeStyle = strict && strict->checked() == 1 ? 16 : 0;
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("start"), QStringLiteral("frmSplash"));
        return MainWindow() != nullptr;
    }
}
