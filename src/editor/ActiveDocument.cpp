#include "editor/ActiveDocument.h"

#include "editor/EditorSetup.h"
#include "editor/UndoGroups.h"
#include "editor/frmDoc.h"

CollectionTools<ProjectPtr> gProjects;
ProjectPtr gActiveProject;

void ActivateDocument(frmDoc* doc) {
    if (gUndoGroupOpen && gActiveDoc && gActiveDoc != doc) {
        // The group the next update would have ended there; left open, it would swallow every later edit.
        ScopedCurrentView leaving(*gActiveDoc);
        SciEndUndoAction();
    }
    gActiveDoc = doc;
    if (doc) {
        gSciWndData = doc->SciEdi_WndData;
        gActiveProject = gProjects.Item(doc->PrjFullPath);
        gUndoGroupOpen = false;
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
