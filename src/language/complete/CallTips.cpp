#include "language/complete/CallTips.h"

void ShowHelp(long, long) {}
