#include "editor/EditorStyles.h"

#include "editor/CurrentView.h"
#include "editor/InstalledFace.h"
#include "editor/SciWrappers.h"
#include "vocabulary/ColorStyle.h"
#include "vocabulary/Markers.h"
#include "vocabulary/StyleNumbers.h"

using S = QsciScintillaBase;

namespace {

void setFont(const ColorStyle& c, int style, int slot) {
    SciStyleSetFont(style, InstalledFace(c.FontName[slot]));
}

void applyTextStyle(const ColorStyle& c, int slot) {
    SciStyleSetUnderline(slot, c.Underline[slot] != 0);
    SciStyleSetBold(slot, c.Bold[slot] != 0);
    SciStyleSetItalic(slot, c.Italic[slot] != 0);
    SciStyleSetSize(slot, c.FontSize[slot]);
    SciStyleSetFore(slot, c.ForeColor[slot]);
    setFont(c, slot, slot);
}

void applyDefaultStyle(const ColorStyle& c) {
    SciStyleSetFore(S::STYLE_DEFAULT, c.ForeColor[STYLE_Text]);
    SciStyleSetBack(S::STYLE_DEFAULT, c.ForeColor[kSlotBackgrounds]);
    setFont(c, S::STYLE_DEFAULT, STYLE_Text);
    SciStyleSetSize(S::STYLE_DEFAULT, c.FontSize[STYLE_Text]);
    SciStyleSetUnderline(S::STYLE_DEFAULT, c.Underline[STYLE_Text] != 0);
    SciStyleSetBold(S::STYLE_DEFAULT, c.Bold[STYLE_Text] != 0);
    SciStyleSetItalic(S::STYLE_DEFAULT, c.Italic[STYLE_Text] != 0);
}

void applyLineNumberStyle(const ColorStyle& c) {
    const int slot = STYLE_LineNumber;
    SciStyleSetBold(slot, c.Bold[slot] != 0);
    SciStyleSetItalic(slot, c.Italic[slot] != 0);
    SciStyleSetSize(slot, c.FontSize[slot]);
    SciStyleSetFore(slot, c.ForeColor[slot]);
    setFont(c, slot, slot);
    SciStyleSetBack(slot, c.BackColor[slot]);
}

void applyFoldSymbols(const ColorStyle& c) {
    const long closed = c.AltColor[kSlotFoldMarkers];
    const long open = c.ForeColor[kSlotFoldMarkers];
    const long back = c.BackColor[kSlotFoldMarkers];
    SciMarkerSetFore(S::SC_MARKNUM_FOLDER, closed);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDER, back);
    SciMarkerSetFore(S::SC_MARKNUM_FOLDEREND, closed);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDEREND, back);
    SciMarkerSetFore(S::SC_MARKNUM_FOLDEROPEN, open);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDEROPEN, back);
    SciMarkerSetFore(S::SC_MARKNUM_FOLDEROPENMID, open);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDEROPENMID, back);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDERTAIL, back);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDERSUB, back);
    SciMarkerSetBack(S::SC_MARKNUM_FOLDERMIDTAIL, back);
}

}

void ApplyEditorStyles() {
    if (!IsEditorActive())
        return;
    const ColorStyle& c = gColorStyle;
    applyDefaultStyle(c);
    SciStyleClearAll();
    for (int slot = 0; slot <= kSlotLastText; ++slot)
        applyTextStyle(c, slot);
    applyTextStyle(c, STYLE_BraceLight);
    applyLineNumberStyle(c);

    SciSetSelFore(true, c.ForeColor[kSlotSelection]);
    SciSetSelBack(true, c.BackColor[kSlotSelection]);
    SciSetCaretFore(c.ForeColor[kSlotCaret]);
    SciSetCaretLineBack(c.ForeColor[kSlotCaretLine]);
    SciCallTipSetBack(c.BackColor[kSlotCallTip]);
    SciCallTipSetFore(c.ForeColor[kSlotCallTip]);
    SciCallTipSetForeHlt(c.ForeColor[kSlotCallTipHighlight]);
    SciSetWhitespaceFore(true, c.ForeColor[kSlotWhiteSpace]);
    SciStyleSetFore(S::STYLE_INDENTGUIDE, c.ForeColor[kSlotIndentGuides]);
    SciStyleSetFore(S::STYLE_DEFAULT, c.ForeColor[kSlotFoldLines]);
    SciMarkerSetBack(MARKER_MAINPROGRAM, c.BackColor[kSlotBackgrounds]);
    SciSetFoldMarginColour(true, c.AltColor[kSlotFoldLines]);
    SciSetFoldMarginHiColour(true, c.AltColor[kSlotFoldLines]);
    SciMarkerSetBack(MARKER_INACTIVELINE, c.AltColor[kSlotCaretLine]);
    SciMarkerSetFore(MARKER_BREAKPOINT, c.AltColor[kSlotBookmarks]);
    SciMarkerSetBack(MARKER_BREAKPOINT, c.AltColor[kSlotBookmarks]);
    SciMarkerSetFore(MARKER_BOOKMARK, c.ForeColor[kSlotBookmarks]);
    SciMarkerSetBack(MARKER_BOOKMARK, c.BackColor[kSlotBookmarks]);
    applyFoldSymbols(c);
}

long SelectionBackColour(bool focused) {
    return focused ? gColorStyle.BackColor[kSlotSelection] : gColorStyle.AltColor[kSlotSelection];
}
