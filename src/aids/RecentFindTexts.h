#pragma once

#include "foundation/Mru.h"

// The recent find texts and replacement texts of the find dialog; the
// start-up sequence names them, the dialog sets their sizes and keeps them.
extern ClsMRU gMRUFind;
extern ClsMRU gMRUReplace;
