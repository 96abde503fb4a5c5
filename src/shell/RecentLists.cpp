#include "shell/RecentLists.h"

ClsMRU gMRUFind;
ClsMRU gMRUReplace;
ClsMRU gMRUCommandLine;
