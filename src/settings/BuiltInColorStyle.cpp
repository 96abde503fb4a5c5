#include "settings/BuiltInColorStyle.h"

#include "vocabulary/StyleNumbers.h"

ColorStyle gColorStyle = BuiltInColorStyle();
QString gStyleDescription = BuiltInStyleDescription();

namespace {

constexpr long rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr short kOn = -1;

struct TextSlot {
    int slot;
    long fore;
    bool bold;
    bool italic;
};

constexpr TextSlot kTextSlots[] = {
    {STYLE_Text, rgb(0, 0, 0), false, false},
    {STYLE_Comment, rgb(0, 128, 0), false, true},
    {STYLE_Keyword, rgb(0, 0, 160), true, false},
    {STYLE_Number, rgb(0, 128, 128), false, false},
    {STYLE_Operator, rgb(128, 0, 0), false, false},
    {STYLE_String, rgb(163, 21, 21), false, false},
    {STYLE_Comment2, rgb(96, 96, 96), false, true},
    {STYLE_Function, rgb(0, 96, 192), false, false},
    {STYLE_Scope, rgb(128, 128, 128), false, false},
    {STYLE_Separator, rgb(64, 64, 64), false, false},
    {STYLE_GlobalVar, rgb(153, 0, 153), false, false},
    {STYLE_LocalVar, rgb(32, 32, 32), false, false},
    {STYLE_Constant, rgb(176, 96, 0), false, false},
    {STYLE_Label, rgb(128, 64, 0), false, false},
    {STYLE_ArrayVar, rgb(0, 112, 112), false, false},
    {STYLE_Type, rgb(0, 96, 160), true, false},
    {STYLE_Bad, rgb(200, 0, 0), false, false},
    {STYLE_Block, rgb(0, 110, 0), true, false},
    {18, rgb(0, 0, 0), false, false},
    {STYLE_BraceBad, rgb(255, 0, 0), true, false},
    {20, rgb(0, 0, 0), false, false},
    {STYLE_LineNumber, rgb(100, 100, 100), false, false},
    {STYLE_BraceLight, rgb(0, 0, 255), true, false},
};

}

ColorStyle BuiltInColorStyle() {
    ColorStyle style;
    for (int slot = 0; slot < kColorStyleSlots; ++slot) {
        style.FontName[slot] = QStringLiteral("DejaVu Sans Mono");
        style.FontSize[slot] = 10;
    }
    for (const TextSlot& text : kTextSlots) {
        style.ForeColor[text.slot] = text.fore;
        style.Bold[text.slot] = text.bold ? kOn : 0;
        style.Italic[text.slot] = text.italic ? kOn : 0;
    }
    const long marginBack = rgb(236, 236, 236);
    style.BackColor[STYLE_LineNumber] = marginBack;
    style.ForeColor[kSlotFoldLines] = rgb(0, 0, 0);
    style.AltColor[kSlotFoldLines] = marginBack;
    style.ForeColor[kSlotWhiteSpace] = rgb(190, 190, 190);
    style.ForeColor[kSlotCallTip] = rgb(64, 64, 64);
    style.BackColor[kSlotCallTip] = rgb(255, 255, 225);
    style.ForeColor[kSlotCallTipHighlight] = rgb(0, 0, 255);
    style.ForeColor[kSlotCaretLine] = rgb(255, 255, 220);
    style.AltColor[kSlotCaretLine] = rgb(240, 240, 240);
    style.ForeColor[kSlotCaret] = rgb(0, 0, 0);
    style.ForeColor[kSlotSelection] = rgb(0, 0, 0);
    style.BackColor[kSlotSelection] = rgb(173, 214, 255);
    style.AltColor[kSlotSelection] = rgb(220, 220, 220);
    style.ForeColor[kSlotBackgrounds] = rgb(255, 255, 255);
    style.BackColor[kSlotBackgrounds] = rgb(255, 255, 255);
    style.ForeColor[kSlotBookmarks] = rgb(0, 0, 128);
    style.BackColor[kSlotBookmarks] = rgb(128, 160, 255);
    style.AltColor[kSlotBookmarks] = rgb(255, 200, 200);
    style.ForeColor[kSlotFoldMarkers] = rgb(255, 255, 255);
    style.BackColor[kSlotFoldMarkers] = rgb(128, 128, 128);
    style.AltColor[kSlotFoldMarkers] = rgb(255, 255, 255);
    style.ForeColor[kSlotIndentGuides] = rgb(200, 200, 200);
    return style;
}

QString BuiltInStyleDescription() {
    return QStringLiteral("Korvo's light style: dark text on white, keywords in blue, comments in green.");
}
