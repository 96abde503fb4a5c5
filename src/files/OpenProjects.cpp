#include "files/OpenProjects.h"

CollectionTools<ProjectPtr> gProjects;
ProjectPtr gActiveProject;
