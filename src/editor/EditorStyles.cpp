#include "editor/EditorStyles.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "vocabulary/ColorStyle.h"
#include "vocabulary/Markers.h"
#include "vocabulary/StyleNumbers.h"

using S = QsciScintillaBase;

namespace {

constexpr int kLastTextSlot = 20;
constexpr int kFoldLines = 21;
constexpr int kWhiteSpace = 22;
constexpr int kCallTip = 23;
constexpr int kCallTipHighlight = 24;
constexpr int kCaretLine = 25;
constexpr int kCaret = 26;
constexpr int kSelection = 27;
constexpr int kBackgrounds = 29;
constexpr int kBookmarks = 30;
constexpr int kFoldMarkers = 31;
constexpr int kIndentGuides = 37;

void applyFontAndFore(const ColorStyle& c, int style, int slot) {
    SciStyleSetBold(style, c.Bold[slot] != 0);
    SciStyleSetItalic(style, c.Italic[slot] != 0);
    SciStyleSetSize(style, c.FontSize[slot]);
    SciStyleSetFore(style, c.ForeColor[slot]);
    SciStyleSetFont(style, c.FontName[slot]);
}

void applyTextStyle(const ColorStyle& c, int slot) {
    SciStyleSetUnderline(slot, c.Underline[slot] != 0);
    applyFontAndFore(c, slot, slot);
}

}

void ApplyEditorStyles() {
    if (!IsEditorActive())
        return;
    const ColorStyle& c = gColorStyle;
    SciStyleSetFore(S::STYLE_DEFAULT, c.ForeColor[STYLE_Text]);
    SciStyleSetBack(S::STYLE_DEFAULT, c.ForeColor[kBackgrounds]);
    SciStyleSetFont(S::STYLE_DEFAULT, c.FontName[STYLE_Text]);
    SciStyleSetSize(S::STYLE_DEFAULT, c.FontSize[STYLE_Text]);
    SciStyleSetUnderline(S::STYLE_DEFAULT, c.Underline[STYLE_Text] != 0);
    SciStyleSetBold(S::STYLE_DEFAULT, c.Bold[STYLE_Text] != 0);
    SciStyleSetItalic(S::STYLE_DEFAULT, c.Italic[STYLE_Text] != 0);
    SciStyleClearAll();
    for (int slot = 0; slot <= kLastTextSlot; ++slot)
        applyTextStyle(c, slot);
    applyTextStyle(c, STYLE_BraceLight);
    applyFontAndFore(c, STYLE_LineNumber, STYLE_LineNumber);
    SciStyleSetBack(STYLE_LineNumber, c.BackColor[STYLE_LineNumber]);

    SciSetSelFore(true, c.ForeColor[kSelection]);
    SciSetSelBack(true, c.BackColor[kSelection]);
    SciSetCaretFore(c.ForeColor[kCaret]);
    SciSetCaretLineBack(c.ForeColor[kCaretLine]);
    SciCallTipSetBack(c.BackColor[kCallTip]);
    SciCallTipSetFore(c.ForeColor[kCallTip]);
    SciCallTipSetForeHlt(c.ForeColor[kCallTipHighlight]);
    SciSetWhitespaceFore(true, c.ForeColor[kWhiteSpace]);
    SciStyleSetFore(S::STYLE_INDENTGUIDE, c.ForeColor[kIndentGuides]);
    SciStyleSetFore(S::STYLE_DEFAULT, c.ForeColor[kFoldLines]);
    SciMarkerSetBack(MARKER_MAINPROGRAM, c.BackColor[kBackgrounds]);
    SciSetFoldMarginColour(true, c.AltColor[kFoldLines]);
    SciSetFoldMarginHiColour(true, c.AltColor[kFoldLines]);
    SciMarkerSetBack(MARKER_INACTIVELINE, c.AltColor[kCaretLine]);
    SciMarkerSetFore(MARKER_BREAKPOINT, c.AltColor[kBookmarks]);
    SciMarkerSetBack(MARKER_BREAKPOINT, c.AltColor[kBookmarks]);
    SciMarkerSetFore(MARKER_BOOKMARK, c.ForeColor[kBookmarks]);
    SciMarkerSetBack(MARKER_BOOKMARK, c.BackColor[kBookmarks]);
    for (long closed : {S::SC_MARKNUM_FOLDER, S::SC_MARKNUM_FOLDEREND})
        SciMarkerSetFore(closed, c.AltColor[kFoldMarkers]);
    for (long open : {S::SC_MARKNUM_FOLDEROPEN, S::SC_MARKNUM_FOLDEROPENMID})
        SciMarkerSetFore(open, c.ForeColor[kFoldMarkers]);
    for (long marker = S::SC_MARKNUM_FOLDEREND; marker <= S::SC_MARKNUM_FOLDEROPEN; ++marker)
        SciMarkerSetBack(marker, c.BackColor[kFoldMarkers]);
}

long SelectionBackColour(bool focused) {
    return focused ? gColorStyle.BackColor[kSelection] : gColorStyle.AltColor[kSelection];
}
