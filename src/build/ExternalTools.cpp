#include "build/ExternalTools.h"

#include "build/CommandLists.h"
#include "build/ExternalToolsFile.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
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
        QByteArray bytes;
        if (!platform::readFileBytes(path, bytes))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error: ") + path);
        ReadExternalToolsFile(bytes, [](const ExToolPtr& tool) { gExternalTools.Add(tool, tool->Caption); });
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadExternalTools"), kModule);
    }
}

void SaveExternalTools() {
    try {
        const QString path = ExternalToolsFilePath();
        QDir().mkpath(QFileInfo(path).path());
        if (!platform::writeFileBytesAtomically(path, ExternalToolsFileBytes(gExternalTools.NewEnum())))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error: ") + path);
    } catch (...) {
        SetErrorLog(QStringLiteral("SaveExternalTools"), kModule);
    }
}

void AddExternalToolsToMenu() {
    try {
        CommandList* menu = FindCommandList(QStringLiteral("MRUExternalTools"));
        if (!menu)
            return;
        menu->Clear();
        for (const ExToolPtr& tool : gExternalTools.NewEnum())
            menu->AddEntry(tool->Caption);
    } catch (...) {
        SetErrorLog(QStringLiteral("AddExternalToolsToMenu"), kModule);
    }
}
