#include "editor/PositionHistory.h"

void CheckCBrowser(long, long) {}
