#include "aids/AidsStandIn.h"

void LoadHotCodes() {}

namespace frmFind {
bool Loaded() {
    return false;
}
void Hide() {}
void Unload() {}
}
