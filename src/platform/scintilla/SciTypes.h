#pragma once

#include <cstdint>

// Scintilla's message arguments: pointer-sized, so that a number, a
// position and the address of a buffer all travel in the same two slots.
using uptr_t = std::uintptr_t;
using sptr_t = std::intptr_t;
