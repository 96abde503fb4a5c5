#include "shell/RecentLists.h"

ClsMRU gMRUCommandLine;
