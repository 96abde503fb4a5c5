#pragma once

// The Ctrl key as the desktop's asynchronous key state reports it, kept
// from the application's key events: whether either Ctrl key is down, and
// whether a press arrived since the previous query.
namespace platform {

struct CtrlKeyState {
    bool down = false;
    bool pressedSinceLastQuery = false;
};

// Starts watching the application's key events; later calls do nothing.
void watchCtrlKey();
// The state now; the press is then counted as seen.
CtrlKeyState queryCtrlKey();

}
