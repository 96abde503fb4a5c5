#include "shell/Main.h"

#include "files/CommandLineFiles.h"
#include "files/Workspaces.h"
#include "files/OpenDocuments.h"
#include "foundation/FileHelpers.h"
#include "foundation/FontHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "settings/UIStyle.h"
#include "vocabulary/SettingsValues.h"
#include "settings/StyleStore.h"
#include "shell/InstanceHandOff.h"
#include "shell/ShutdownSignals.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QApplication>

namespace {

void openStartFiles(const QStringList& arguments) {
    if (!arguments.isEmpty()) {
        OpenFilesFromCommand(JoinCommandLine(arguments));
        return;
    }
    if (gStartUp == 1)
        LoadWorkSpace(FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf/LastWorkspace.kws"))));
    else if (gStartUp == 2)
        NewFile();
}

}

int Main(QApplication& app, const QList<QByteArray>& rawArguments) {
    QStringList unreadable;
    const QStringList arguments = ReadableArguments(rawArguments, unreadable);
    try {
        if (!unreadable.isEmpty())
            platform::MsgBox(UnreadableNamesMessage(unreadable), platform::vbExclamation);
        MultipleInstances = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("MultipleInstances"), QStringLiteral("0")).toInt();
        InstanceLock lock;
        // A hand-off that nobody takes goes on as a full start rather than drop the files.
        if (MultipleInstances == 0 && lock.previousInstanceRunning() &&
            HandOffOrTakeOver(arguments.isEmpty() ? QLatin1String(kActivateMessage) : JoinCommandLine(arguments), lock))
            return 0;
        ApplyVisualStyleSetting();
        {
            frmSplash splash;
            if (!splash.start() || !MainWindow())
                return 1;
        }
        openStartFiles(arguments);
        CloseMainWindowOnSignals();
        const int status = app.exec();
        RemoveFont(StyleFontPath());
        return status;
    } catch (...) {
        SetErrorLog(QStringLiteral("Main"), QStringLiteral("Mod_Main"));
        return MainWindow() ? app.exec() : 1;
    }
}
