#include "files/SingleFileDocument.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QFileInfo>

std::unique_ptr<frmDoc> OpenSingleFileDocument(const QString& fullPath, const QByteArray& text) {
    auto doc = std::make_unique<frmDoc>();
    SciLoadText(doc->SciEdi_WndData, text);
    doc->FullFilename = fullPath;
    doc->PrjName = fullPath;
    doc->PrjFullPath = fullPath;
    doc->SingleFile = true;

    auto project = std::make_shared<ClsProject>();
    project->Name = fullPath;
    project->FullPath = fullPath;
    project->SingleFile = true;
    gProjects.RemoveKey(fullPath);
    gProjects.Add(project, fullPath);

    ActivateDocument(doc.get());
    doc->Initialise(QFileInfo(fullPath).fileName());
    return doc;
}

void CloseSingleFileDocument(std::unique_ptr<frmDoc> doc) {
    if (!doc)
        return;
    const ProjectPtr project = gProjects.Item(doc->PrjFullPath);
    gProjects.RemoveKey(doc->PrjFullPath);
    if (doc.get() == gActiveDoc || project == gActiveProject)
        ActivateDocument(nullptr);
}
