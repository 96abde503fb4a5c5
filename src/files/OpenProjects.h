#pragma once

#include "files/Project.h"
#include "foundation/CollectionTools.h"

// Every open project, single files included, keyed by FullPath.
extern CollectionTools<ProjectPtr> gProjects;
// The project whose tables are read and changed: normally the active document's.
extern ProjectPtr gActiveProject;
