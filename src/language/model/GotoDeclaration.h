#pragma once

// "Goto Declaration": jumps to the declaring line of the word at the caret
// of the current view, in whichever document declares it. The word's
// colour says what it is (function, global, local, constant, label or
// array), so a local finds the declaration in its own function. With
// CBrowserRememberOnGotoDefinition on, both ends of the jump enter the
// position history.
void GotoDeclaration();
