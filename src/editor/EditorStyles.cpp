#include "editor/EditorStyles.h"

#include "editor/CurrentView.h"
#include "editor/InstalledFace.h"
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
    SciStyleSetBack(S::STYLE_DEFAULT, c.ForeColor[kBackgrounds]);
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
    const long closed = c.AltColor[kFoldMarkers];
    const long open = c.ForeColor[kFoldMarkers];
    const long back = c.BackColor[kFoldMarkers];
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
    for (int slot = 0; slot <= kLastTextSlot; ++slot)
        applyTextStyle(c, slot);
    applyTextStyle(c, STYLE_BraceLight);
    applyLineNumberStyle(c);

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
    applyFoldSymbols(c);
}

long SelectionBackColour(bool focused) {
    return focused ? gColorStyle.BackColor[kSelection] : gColorStyle.AltColor[kSelection];
}
