#pragma once

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "foundation/CollectionTools.h"

#include <QObject>

#include <memory>

class ClsProject;
using ProjectPtr = std::shared_ptr<ClsProject>;

// Every open project, single files included, keyed by FullPath.
extern CollectionTools<ProjectPtr> gProjects;
// The active document's project, whose tables are read and changed.
extern ProjectPtr gActiveProject;

// The one way a document becomes active (ScopedCurrentView aside, which
// switches for a scope and tells no one). Makes doc the active document,
// its view the current view and the open project it names (PrjFullPath)
// the active project; ends the undo group that the last document left
// open for its next update; has the next styling request restyle every visible line; then tells
// every listener. A null doc leaves no document, view or project active.
void ActivateDocument(frmDoc* doc);

// Tells who listens that the active document changed, right after the change.
class ActiveDocumentNotifier : public QObject {
    Q_OBJECT
signals:
    void activeDocumentChanged(frmDoc* doc);
};

ActiveDocumentNotifier& activeDocumentNotifier();
