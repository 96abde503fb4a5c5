#include "aids/ScancodeTable.h"

#include <QKeyEvent>

#include <utility>

namespace {

// xkb key codes of the right-hand modifiers.
constexpr quint32 kRightShiftScan = 62;
constexpr quint32 kRightControlScan = 105;
constexpr quint32 kRightAltScan = 108;

constexpr int kVkShift = 16;
constexpr int kVkControl = 17;
constexpr int kVkAlt = 18;

const std::pair<int, const char*> kNames[] = {
    {1, "Escape"}, {2, "1"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"}, {7, "6"}, {8, "7"}, {9, "8"}, {10, "9"},
    {11, "0"}, {12, "-"}, {13, "="}, {14, "Backspace"}, {15, "Tab"}, {16, "Q"}, {17, "W"}, {18, "E"}, {19, "R"},
    {20, "T"}, {21, "Y"}, {22, "U"}, {23, "I"}, {24, "O"}, {25, "P"}, {26, "["}, {27, "]"}, {28, "Return"},
    {29, "Left Control"}, {30, "A"}, {31, "S"}, {32, "D"}, {33, "F"}, {34, "G"}, {35, "H"}, {36, "J"}, {37, "K"},
    {38, "L"}, {39, ";"}, {40, "'"}, {41, "`"}, {42, "Left Shift"}, {43, "\\"}, {44, "Z"}, {45, "X"}, {46, "C"},
    {47, "V"}, {48, "B"}, {49, "N"}, {50, "M"}, {51, ","}, {52, "."}, {53, "/"}, {54, "Right Shift"},
    {55, "Numpad *"}, {56, "Left Alt"}, {57, "Space"}, {58, "Caps Lock"}, {59, "F1"}, {60, "F2"}, {61, "F3"},
    {62, "F4"}, {63, "F5"}, {64, "F6"}, {65, "F7"}, {66, "F8"}, {67, "F9"}, {68, "F10"}, {69, "Num Lock"},
    {70, "Scroll Lock"}, {71, "Numpad 7"}, {72, "Numpad 8"}, {73, "Numpad 9"}, {74, "Numpad -"}, {75, "Numpad 4"},
    {76, "Numpad 5"}, {77, "Numpad 6"}, {78, "Numpad +"}, {79, "Numpad 1"}, {80, "Numpad 2"}, {81, "Numpad 3"},
    {82, "Numpad 0"}, {83, "Numpad ."}, {86, "OEM_102"}, {87, "F11"}, {88, "F12"}, {100, "F13"}, {101, "F14"},
    {102, "F15"}, {141, "Numpad ="}, {144, "Previous Track"}, {153, "Next Track"}, {156, "Numpad Enter"},
    {157, "Right Control"}, {160, "Mute"}, {162, "Play /Pause"}, {164, "Stop"}, {174, "Volume Down"},
    {176, "Volume Up"}, {178, "Home"}, {181, "Numpad /"}, {183, "Print Screen"}, {184, "Right Alt"},
    {197, "Pause"}, {199, "Home"}, {200, "Up Arrow"}, {201, "Page Up"}, {203, "Left Arrow"}, {205, "Right Arrow"},
    {207, "End"}, {208, "Down Arrow"}, {209, "Page Down"}, {210, "Insert"}, {211, "Delete"},
    {219, "Left Windows"}, {220, "Right Windows"}, {221, "App. Menu"}, {223, "Sleep"}, {229, "Search"},
    {230, "Favorites"}, {231, "Refresh"}, {232, "Stop"}, {233, "Forward"}, {234, "Back"}, {236, "E-Mail"},
    {237, "Media Select"},
};

// Virtual-key code -> scancode, besides letters, digits and F keys. The
// grave key (192) is 41, as the compiler numbers it.
const std::pair<int, int> kKeyCodes[] = {
    {8, 14}, {9, 15}, {13, 28}, {16, 42}, {17, 29}, {18, 56}, {19, 197}, {20, 58}, {27, 1}, {32, 57},
    {33, 201}, {34, 209}, {35, 207}, {36, 199}, {37, 203}, {38, 200}, {39, 205}, {40, 208}, {44, 183},
    {45, 210}, {46, 211}, {91, 219}, {92, 220}, {93, 221}, {95, 223}, {96, 82}, {97, 79}, {98, 80},
    {99, 81}, {100, 75}, {101, 76}, {102, 77}, {103, 71}, {104, 72}, {105, 73}, {106, 55}, {107, 78},
    {109, 74}, {110, 83}, {111, 181}, {144, 69}, {145, 70}, {166, 234}, {167, 233}, {168, 231}, {169, 232},
    {170, 229}, {171, 230}, {172, 178}, {173, 160}, {174, 174}, {175, 176}, {176, 153}, {177, 144},
    {178, 164}, {179, 162}, {180, 236}, {181, 237}, {186, 39}, {187, 13}, {188, 51}, {189, 12}, {190, 52},
    {191, 53}, {192, 41}, {219, 26}, {220, 43}, {221, 27}, {222, 40},
};

// Qt key -> virtual-key code for the keys outside letters, digits, F keys
// and the keypad's digits and operators.
const std::pair<int, int> kQtKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Return, 13},
    {Qt::Key_Shift, kVkShift}, {Qt::Key_Control, kVkControl}, {Qt::Key_Alt, kVkAlt}, {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35}, {Qt::Key_Home, 36}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38},
    {Qt::Key_Right, 39}, {Qt::Key_Down, 40}, {Qt::Key_Print, 44}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91}, {Qt::Key_Super_L, 91}, {Qt::Key_Super_R, 92}, {Qt::Key_Menu, 93}, {Qt::Key_Sleep, 95},
    {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145}, {Qt::Key_Back, 166}, {Qt::Key_Forward, 167},
    {Qt::Key_Refresh, 168}, {Qt::Key_Stop, 169}, {Qt::Key_Search, 170}, {Qt::Key_Favorites, 171},
    {Qt::Key_HomePage, 172}, {Qt::Key_VolumeMute, 173}, {Qt::Key_VolumeDown, 174}, {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176}, {Qt::Key_MediaPrevious, 177}, {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaTogglePlayPause, 179}, {Qt::Key_MediaPlay, 179}, {Qt::Key_LaunchMail, 180},
    {Qt::Key_LaunchMedia, 181}, {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187}, {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191}, {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220}, {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
};

const std::pair<int, int> kKeypadOperators[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109}, {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

}

int VirtualKeyOf(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F15)
        return 112 + (qtKey - Qt::Key_F1);
    if (keypad)
        for (const auto& [key, code] : kKeypadOperators)
            if (key == qtKey)
                return code;
    for (const auto& [key, code] : kQtKeys)
        if (key == qtKey)
            return code;
    return 0;
}

ScancodeTable::ScancodeTable() {
    for (const auto& [code, name] : kNames)
        names[code] = QString::fromLatin1(name);
    for (const auto& [keyCode, code] : kKeyCodes)
        keyCodes[keyCode] = code;
    const char* letters = "QWERTYUIOPASDFGHJKLZXCVBNM";
    const int letterCodes[] = {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 32, 33, 34, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50};
    for (int i = 0; i < 26; ++i)
        keyCodes[letters[i]] = letterCodes[i];
    for (int digit = 1; digit <= 9; ++digit)
        keyCodes['0' + digit] = digit + 1;
    keyCodes['0'] = 11;
    const int fKeys[] = {59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 87, 88, 100, 101, 102};
    for (int i = 0; i < 15; ++i)
        keyCodes[112 + i] = fKeys[i];
}

int ScancodeTable::scancodeOf(const QKeyEvent& event) const {
    const int key = event.key();
    if (key == Qt::Key_Enter)
        return 156;
    if (key == Qt::Key_AltGr)
        return 184;
    const int virtualKey = VirtualKeyOf(key, event.modifiers() & Qt::KeypadModifier);
    if (virtualKey == kVkShift && event.nativeScanCode() == kRightShiftScan)
        return 54;
    if (virtualKey == kVkControl && event.nativeScanCode() == kRightControlScan)
        return 157;
    if (virtualKey == kVkAlt && event.nativeScanCode() == kRightAltScan)
        return 184;
    return virtualKey > 0 && virtualKey < 256 ? keyCodes[virtualKey] : 0;
}
