#include "aids/RecentFindTexts.h"

ClsMRU gMRUFind;
ClsMRU gMRUReplace;
