#include "aids/FindStandIn.h"

namespace frmFind {
bool Loaded() {
    return false;
}
void Hide() {}
void Unload() {}
}
