#include "editor/EditorStyles.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "vocabulary/Markers.h"
#include "vocabulary/StyleNumbers.h"

using S = QsciScintillaBase;

namespace {
constexpr long rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

struct TextStyle {
    long style;
    long fore;
    bool bold;
    bool italic;
};

const char* const kFont = "DejaVu Sans Mono";
constexpr long kFontSize = 10;
constexpr long kText = rgb(0, 0, 0);
constexpr long kBackground = rgb(255, 255, 255);
constexpr long kMarginBack = rgb(236, 236, 236);
constexpr long kFoldSymbolFore = rgb(255, 255, 255);
constexpr long kFoldSymbolBack = rgb(128, 128, 128);
constexpr long kSelectionBack = rgb(173, 214, 255);
constexpr long kInactiveSelectionBack = rgb(220, 220, 220);

constexpr TextStyle kTextStyles[] = {
    {STYLE_Text, kText, false, false},
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
    {STYLE_BraceBad, rgb(255, 0, 0), true, false},
    {STYLE_BraceLight, rgb(0, 0, 255), true, false},
};
}

void ApplyEditorStyles() {
    if (!IsEditorActive())
        return;
    SciStyleSetFore(S::STYLE_DEFAULT, kText);
    SciStyleSetBack(S::STYLE_DEFAULT, kBackground);
    SciStyleSetFont(S::STYLE_DEFAULT, kFont);
    SciStyleSetSize(S::STYLE_DEFAULT, kFontSize);
    SciStyleClearAll();
    for (const TextStyle& text : kTextStyles) {
        SciStyleSetFore(text.style, text.fore);
        SciStyleSetBold(text.style, text.bold);
        SciStyleSetItalic(text.style, text.italic);
    }
    SciStyleSetFore(S::STYLE_LINENUMBER, rgb(100, 100, 100));
    SciStyleSetBack(S::STYLE_LINENUMBER, kMarginBack);

    SciSetSelFore(false, 0);
    SciSetSelBack(true, kSelectionBack);
    SciSetCaretFore(kText);
    SciSetCaretLineBack(rgb(255, 255, 220));
    SciCallTipSetBack(rgb(255, 255, 225));
    SciCallTipSetFore(rgb(64, 64, 64));
    SciCallTipSetForeHlt(rgb(0, 0, 255));
    SciSetWhitespaceFore(true, rgb(190, 190, 190));
    SciStyleSetFore(S::STYLE_INDENTGUIDE, rgb(200, 200, 200));
    SciSetFoldMarginColour(true, kMarginBack);
    SciSetFoldMarginHiColour(true, kMarginBack);

    SciMarkerSetBack(MARKER_MAINPROGRAM, kBackground);
    SciMarkerSetBack(MARKER_INACTIVELINE, rgb(240, 240, 240));
    SciMarkerSetFore(MARKER_BREAKPOINT, rgb(255, 200, 200));
    SciMarkerSetBack(MARKER_BREAKPOINT, rgb(255, 200, 200));
    SciMarkerSetFore(MARKER_BOOKMARK, rgb(0, 0, 128));
    SciMarkerSetBack(MARKER_BOOKMARK, rgb(128, 160, 255));
    for (long marker = S::SC_MARKNUM_FOLDEREND; marker <= S::SC_MARKNUM_FOLDEROPEN; ++marker) {
        SciMarkerSetFore(marker, kFoldSymbolFore);
        SciMarkerSetBack(marker, kFoldSymbolBack);
    }
}

long SelectionBackColour(bool focused) {
    return focused ? kSelectionBack : kInactiveSelectionBack;
}
