#include "explorer/MemberWindow.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "platform/Host.h"

bool ShowDeclaringDocument(const ClsProject& project, const QString& memberName) {
    platform::Host& host = platform::host();
    if (project.SingleFile) {
        if (host.activeDocumentWindowKey() != project.FullPath)
            host.activateDocumentWindow(project.FullPath);
        return true;
    }
    if (!project.Files.Exist_Key(memberName))
        return false;
    const QString path = MemberDiskPath(project, *project.Files.Item(memberName));
    if (!gActiveDoc || gActiveDoc->FullFilename != path)
        host.activateDocumentWindow(path);
    return true;
}
