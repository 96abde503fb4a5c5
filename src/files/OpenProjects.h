#pragma once

#include "files/Project.h"
#include "foundation/KeyedList.h"

// Every open project, single files included, keyed by FullPath.
extern KeyedList<ProjectPtr> gProjects;
// The project whose tables are read and changed: normally the active document's.
extern ProjectPtr gActiveProject;
