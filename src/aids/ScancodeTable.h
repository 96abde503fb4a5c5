#pragma once

#include <QString>

#include <array>

class QKeyEvent;

// Blitz Basic's key numbering (DirectInput scancodes: 1 Escape, 28 Return,
// 200 Up Arrow). The key-code table is indexed by the desktop's virtual-key
// codes, which a key press reaches through its Qt key.
struct ScancodeTable {
    ScancodeTable();

    std::array<int, 256> keyCodes{};   // virtual-key code -> scancode, 0 for none
    std::array<QString, 256> names;    // scancode -> display name, "" for none

    // The scancode of a key press, 0 for a key Blitz has no number for.
    int scancodeOf(const QKeyEvent& event) const;
};

// The virtual-key code of a Qt key (keypad keys by the keypad modifier), 0
// for none.
int VirtualKeyOf(int qtKey, bool keypad);
