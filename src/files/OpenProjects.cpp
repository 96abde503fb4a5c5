#include "files/OpenProjects.h"

KeyedList<ProjectPtr> gProjects;
ProjectPtr gActiveProject;
