#pragma once

#include "foundation/Mru.h"

// The recent find texts, replace texts and program command lines; the
// start-up sequence names them.
extern ClsMRU gMRUFind;
extern ClsMRU gMRUReplace;
extern ClsMRU gMRUCommandLine;
