#pragma once

// When completion lists are due, shared by the notification handler, the
// caret line's colouring and the list builders.

// A character was just typed; automatic lists are offered only then.
extern bool gCharAdded;
// The list was asked for: the thresholds of the automatic lists do not apply.
extern bool gAutoCForced;
// Set only during the "Show Autocomplete" command's own colouring.
extern bool gAutoCCommand;
// A list was attempted in this colouring of the caret line.
extern bool gAutoCShown;
