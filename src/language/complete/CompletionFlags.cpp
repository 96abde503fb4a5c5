#include "language/complete/CompletionFlags.h"

bool gCharAdded = false;
bool gAutoCForced = false;
bool gAutoCCommand = false;
bool gAutoCShown = false;
