#pragma once

#include <QString>

#include <array>

// A colour style: per style slot 0 to 40, the fonts and colours the editor
// and the HTML export use. Colours are 0x00BBGGRR, red in the low byte, as
// Scintilla takes them; a flag is on when non-zero (stored as -1).
// Slots 0 to 20, 33 and 34 are text styles; the others hold the editor's
// colours, of which slot 29 holds the backgrounds: ForeColor the text's,
// BackColor the page's and marker 21's.
constexpr int kColorStyleSlots = 41;

// The slots after the text styles: what of the editor each one colours.
constexpr int kSlotLastText = 20;
constexpr int kSlotFoldLines = 21;
constexpr int kSlotWhiteSpace = 22;
constexpr int kSlotCallTip = 23;
constexpr int kSlotCallTipHighlight = 24;
constexpr int kSlotCaretLine = 25;
constexpr int kSlotCaret = 26;
constexpr int kSlotSelection = 27;
constexpr int kSlotBackgrounds = 29;
constexpr int kSlotBookmarks = 30;
constexpr int kSlotFoldMarkers = 31;
constexpr int kSlotIndentGuides = 37;

struct ColorStyle {
    template <typename T>
    using Slots = std::array<T, kColorStyleSlots>;

    Slots<long> ForeColor{};
    Slots<long> BackColor{};
    Slots<QString> FontName;
    Slots<unsigned char> FontSize{};
    Slots<short> Bold{};
    Slots<short> Italic{};
    Slots<short> Underline{};
    Slots<long> AltColor{};
};

// The current colour style and its description. settings/ owns them and
// fills them; every layer reads them.
extern ColorStyle gColorStyle;
extern QString gStyleDescription;
