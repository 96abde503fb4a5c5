#include "aids/AidCommands.h"

#include "aids/ClipRing.h"
#include "aids/FindCommands.h"
#include "aids/HotCodeCommands.h"

const std::array<AidCommand, 10>& AidCommands() {
    static const std::array<AidCommand, 10> commands{{
        {"Find", ShowFind},
        {"Find Next", FindNextCommand},
        {"Find Previous", FindPreviousCommand},
        {"Replace", ShowReplace},
        {"Copy Private", CopyPrivate},
        {"Cycle Private", CyclePrivate},
        {"Paste Private", PastePrivate},
        {"Apply HotCode", ApplyHotCode},
        {"HotCode For Selection", HotCodeForSelection},
        {"Edit HotCodes", EditHotCodes},
    }};
    return commands;
}
