#include "settings/FileAssociations.h"

#include "foundation/Registry.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct FileType {
    const char* extension;
    const char* description;
    const char* className;
    const char* icon;
};

const FileType kBlitzFile{"bb", "Blitz File", "Korvo.BB", "BBFile.png"};
const FileType kProjectFile{"kpf", "Korvo Project File", "Korvo.KPF", "KorvoProject.png"};
const FileType kWorkspaceFile{"kws", "Korvo Workspace File", "Korvo.KWS", "KorvoWorkspace.png"};

}

void AssociateChosenTypes(bool bbFiles, bool projectFiles, bool workspaceFiles, bool newBBFile) {
    const QString command = QStringLiteral("\"%1/korvo\" \"%2\"").arg(QCoreApplication::applicationDirPath(), QStringLiteral("%1"));
    const QString icons = platform::programSubfolder(QStringLiteral("icons")) + QLatin1Char('/');
    QStringList failed;
    for (const auto& [chosen, type, shellNew] :
         {std::tuple{bbFiles, kBlitzFile, newBBFile}, std::tuple{projectFiles, kProjectFile, false}, std::tuple{workspaceFiles, kWorkspaceFile, false}}) {
        if (chosen && !AssociateFileType(QLatin1String(type.extension), QLatin1String(type.description), QLatin1String(type.className),
                                         icons + QLatin1String(type.icon), command, shellNew))
            failed.append(QLatin1Char('.') + QLatin1String(type.extension));
    }
    if (failed.isEmpty())
        platform::MsgBox(QStringLiteral("Selected types of files are now associated with Korvo"), platform::vbInformation);
    else
        platform::MsgBox(QStringLiteral("Korvo could not associate: ") + failed.join(QStringLiteral(", ")), platform::vbExclamation);
}
