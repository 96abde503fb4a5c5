#include "aids/AidCommands.h"

#include "aids/ClipRing.h"
#include "aids/HotCodeCommands.h"

const std::array<AidCommand, 6>& AidCommands() {
    static const std::array<AidCommand, 6> commands{{
        {"Copy Private", CopyPrivate},
        {"Cycle Private", CyclePrivate},
        {"Paste Private", PastePrivate},
        {"Apply HotCode", ApplyHotCode},
        {"HotCode For Selection", HotCodeForSelection},
        {"Edit HotCodes", EditHotCodes},
    }};
    return commands;
}
