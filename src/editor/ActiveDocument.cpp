#include "editor/ActiveDocument.h"

#include "editor/EditorSetup.h"
#include "editor/frmDoc.h"

CollectionTools<ProjectPtr> gProjects;
ProjectPtr gActiveProject;

void ActivateDocument(frmDoc* doc) {
    gActiveDoc = doc;
    if (doc) {
        gSciWndData = doc->SciEdi_WndData;
        gActiveProject = gProjects.Item(doc->PrjFullPath);
        gUndoGroupOpen = false;
        doc->m_oSubclass->RestyleOnNextRequest();
        doc->m_oSubclass->mJustActivated = true;
    } else {
        gSciWndData = SciHandle();
        gActiveProject.reset();
    }
    emit activeDocumentNotifier().activeDocumentChanged(doc);
}

ActiveDocumentNotifier& activeDocumentNotifier() {
    static ActiveDocumentNotifier notifier;
    return notifier;
}
