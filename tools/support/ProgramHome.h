#pragma once

// The program folder and settings folder a tool runs on: KORVO_HOME and
// XDG_CONFIG_HOME when set, else fresh temporary ones for the life of the
// process, the program folder holding a copy of the build's conf folder.
void UseGivenOrScratchHome();
