#pragma once

// What the command-line tools need before they run Korvo's code without a
// user: the core started (shell/CoreStartUp.h) on a fresh session, and
// prompts that print their text and take their default answer.
void StartHeadlessKorvo();
