#include "build/RunExternalTool.h"

#include "build/ExternalTools.h"
#include "build/ToolCommand.h"
#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/DetachedStart.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"
#include "vocabulary/SettingsValues.h"

namespace {

QString folderOf(const QString& path) {
    QString folder = GetFolderOfPath(path, true);
    if (!folder.isEmpty())
        folder.back() = QLatin1Char('/');
    return folder;
}

ToolMacroValues currentMacroValues() {
    ToolMacroValues values;
    values.documentActive = !gActiveDoc.isNull();
    if (values.documentActive) {
        values.activeFile = gActiveDoc->FullFilename;
        values.activeFileDir = folderOf(values.activeFile);
        values.projectDir = gActiveProject ? folderOf(gActiveProject->FullPath) : QString();
    }
    values.lastExe = gLastCreatedExe;
    values.korvoDir = platform::programFolder() + QLatin1Char('/');
    return values;
}

bool confirmed(const clsExTool& tool, const QString& commandText) {
    if (tool.AskForConfirmation != 1)
        return true;
    return platform::MsgBox(QStringLiteral("Press OK to run this command:\r\n\r\n") + commandText,
                            platform::vbOKCancel | platform::vbQuestion, tool.Caption)
        == platform::vbOK;
}

}

void RunExternalTool(const QString& caption) {
    ExToolPtr tool;
    platform::ChildProcess command;
    try {
        tool = gExternalTools.Item(caption);
        if (!tool)
            RaiseError(ErrInvalidProcedureCall, QStringLiteral("No external tool named ") + caption);
        command = ToolCommand(*tool, currentMacroValues());
    } catch (...) {
        SetErrorLog(QStringLiteral("RunExternalTool"), QStringLiteral("Mod_Funkcii"));
        return;
    }
    const QString commandText = ToolCommandText(command);
    if (!confirmed(*tool, commandText))
        return;
    QString failure;
    if (!platform::startDetached(command, failure))
        platform::MsgBox(QStringLiteral("An error occurred while running this external tool!\r\n\r\nCommand: ") + commandText
                             + QStringLiteral("\r\n\r\nError: ") + failure,
                         platform::vbExclamation | platform::vbOKOnly);
}
