#include "settings/EditorOptionsApply.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/EditorSetup.h"
#include "editor/Folding.h"
#include "editor/frmDoc.h"
#include "files/Project.h"

#include <QList>
#include <QPointer>

namespace {

QList<QPointer<frmDoc>> openDocuments() {
    QList<QPointer<frmDoc>> documents;
    for (const ProjectPtr& project : gProjects.NewEnum())
        for (frmDoc* doc : project->Sources.NewEnum())
            documents.append(doc);
    return documents;
}

bool hasCollapsedFold(const frmDoc& doc) {
    return SciDirect(doc.SciEdi_WndData, QsciScintillaBase::SCI_CONTRACTEDFOLDNEXT, 0) >= 0;
}

}

void ApplyOptionsToEveryEditor() {
    for (const QPointer<frmDoc>& doc : openDocuments()) {
        if (!doc)
            continue;
        ScopedCurrentView current(doc->SciEdi_WndData);
        SetSciOptions(false);
    }
}

void UnfoldEveryEditor() {
    for (const QPointer<frmDoc>& doc : openDocuments()) {
        if (!doc || !hasCollapsedFold(*doc))
            continue;
        ScopedCurrentView current(*doc);
        UnFoldEverything(kFoldAllHeaders);
    }
}
