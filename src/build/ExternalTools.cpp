#include "build/ExternalTools.h"

#include "build/ExternalToolsFile.h"
#include "foundation/DamagedListFiles.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "foundation/errors/WriteFailure.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"

#include <QDir>
#include <QFileInfo>

CollectionTools<ExToolPtr> gExternalTools;

namespace {
const QString kModule = QStringLiteral("Mod_Funkcii");
}

void LoadExternalTools() {
    try {
        const QString path = ExternalToolsFilePath();
        if (!QFileInfo::exists(path))
            return;
        const auto keep = [](const ExToolPtr& tool) {
            gExternalTools.Add(tool, tool->Caption);
            return gExternalTools.LastError == 0;
        };
        QByteArray bytes;
        const std::optional<ListFileFault> fault =
            platform::readFileBytes(path, bytes) ? ReadExternalToolsFile(bytes, keep)
                                                 : ListFileFault{0, platform::fileReadFailure(path)};
        if (!fault) {
            ForgetDamagedListFile(path);
            return;
        }
        LogNewErrorQuietly(ErrInvalidProcedureCall, fault->reason, QStringLiteral("LoadExternalTools"), kModule);
        ReportDamagedListFile(path, fault->line, fault->reason);
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadExternalTools"), kModule);
    }
}

void SaveExternalTools() {
    try {
        const QString path = ExternalToolsFilePath();
        if (!MayReplaceListFile(path))
            return;
        QDir().mkpath(QFileInfo(path).path());
        if (!platform::writeFileBytesAtomically(path, ExternalToolsFileBytes(gExternalTools.NewEnum())))
            ReportWriteFailure(path, QStringLiteral("SaveExternalTools"), kModule);
    } catch (...) {
        SetErrorLog(QStringLiteral("SaveExternalTools"), kModule);
    }
}

void AddExternalToolsToMenu() {
    try {
        const QString menu = QStringLiteral("MRUExternalTools");
        if (!platform::host().hasCommand(menu))
            return;
        QList<platform::CommandListItem> items;
        for (const ExToolPtr& tool : gExternalTools.NewEnum())
            items.append({tool->Caption, tool->Caption});
        platform::host().setCommandListItems(menu, items);
    } catch (...) {
        SetErrorLog(QStringLiteral("AddExternalToolsToMenu"), kModule);
    }
}
