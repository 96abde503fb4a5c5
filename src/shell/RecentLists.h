#pragma once

#include "aids/RecentFindTexts.h"
#include "foundation/Mru.h"

// The recent program command lines; the start-up sequence names them with
// the recent find and replacement texts.
extern ClsMRU gMRUCommandLine;
