#include "settings/ColorStyleTags.h"

#include "vocabulary/StyleNumbers.h"

namespace {

constexpr TextStyleTag kTextStyleTags[] = {
    {"STYLE_Text", STYLE_Text, "Normal Text"},
    {"STYLE_Comment", STYLE_Comment, "Comment"},
    {"STYLE_Keyword", STYLE_Keyword, "Keywords"},
    {"STYLE_Number", STYLE_Number, "Numbers"},
    {"STYLE_Operator", STYLE_Operator, "Operators"},
    {"STYLE_String", STYLE_String, "Strings"},
    {"STYLE_Comment2", STYLE_Comment2, "Comment2"},
    {"STYLE_Function", STYLE_Function, "Functions"},
    {"STYLE_Scope", STYLE_Scope, "Scopes"},
    {"STYLE_Separator", STYLE_Separator, "Separators"},
    {"STYLE_GlobalVar", STYLE_GlobalVar, "Globals"},
    {"STYLE_LocalVar", STYLE_LocalVar, "Locals"},
    {"STYLE_Constant", STYLE_Constant, "Constants"},
    {"STYLE_Label", STYLE_Label, "Labels"},
    {"STYLE_ArrayVar", STYLE_ArrayVar, "Arrays"},
    {"STYLE_Type", STYLE_Type, "Types"},
    {"STYLE_Bad", STYLE_Bad, "Bad Text"},
    {"STYLE_Block", STYLE_Block, "Blocks"},
    {"STYLE_BraceBad", STYLE_BraceBad, "Bad Brace"},
    {"STYLE_LineNumber", STYLE_LineNumber, "Line Numbers"},
    {"STYLE_BraceLight", STYLE_BraceLight, "Matched Braces"},
};

constexpr ColourTag kMarginColourTags[] = {
    {"STYLE_NONFOLDINGMARGINS", 33, ColourTable::Back, "Non-Folding Margins Color"},
    {"STYLE_FOLDINGMARGIN", kSlotFoldLines, ColourTable::Alt, "Folding Margin Color"},
    {"STYLE_BOOKMARKS", kSlotBookmarks, ColourTable::Back, "Bookmark Color"},
    {"Style_BREAKPOINTS", kSlotBookmarks, ColourTable::Alt, "Breakpoint Color"},
    {"Style_OUTLINE", kSlotBookmarks, ColourTable::Fore, "Bookmark Outline Color"},
    {"Style_CLOSEDFOLD", kSlotFoldMarkers, ColourTable::Alt, "Closed Fold Marker Color"},
    {"Style_OPENFOLD", kSlotFoldMarkers, ColourTable::Fore, "Open Fold Marker Color"},
    {"Style_FOLDMARKERSOUTLINE", kSlotFoldMarkers, ColourTable::Back, "Fold Markers OutLine Color"},
};

constexpr ColourTag kOtherColourTags[] = {
    {"Style_InactiveCurrentLine", kSlotCaretLine, ColourTable::Alt, "Inactive Current Line"},
    {"Style_InactiveSelectionBack", kSlotSelection, ColourTable::Alt, "Inactive Selection Backcolor"},
    {"Style_Cursor", kSlotCaret, ColourTable::Fore, "Cursor"},
    {"Style_Indentguide", kSlotIndentGuides, ColourTable::Fore, "Indent guides"},
    {"STYLE_FoldBorderLine", kSlotFoldLines, ColourTable::Fore, "Folded code Border Lines"},
    {"Style_WhiteSpace", kSlotWhiteSpace, ColourTable::Fore, "White Spaces"},
    {"Style_CurrentLine", kSlotCaretLine, ColourTable::Fore, "Current Line Background"},
    {"Style_SelectionFore", kSlotSelection, ColourTable::Fore, "Selection Forecolor"},
    {"Style_SelectionBack", kSlotSelection, ColourTable::Back, "Selection Backcolor"},
    {"Style_CallTipFore", kSlotCallTip, ColourTable::Fore, "CallTips Forecolor"},
    {"Style_CallTipBack", kSlotCallTip, ColourTable::Back, "CallTips Background"},
    {"Style_CallTipHigh", kSlotCallTipHighlight, ColourTable::Fore, "CallTips Highlight"},
};

bool sameTag(const QString& tag, const char* known) {
    return tag.compare(QLatin1String(known), Qt::CaseInsensitive) == 0;
}

const ColourTag* findColourTag(const QString& tag) {
    for (const auto tags : {std::span<const ColourTag>(kMarginColourTags), std::span<const ColourTag>(kOtherColourTags)})
        for (const ColourTag& known : tags)
            if (sameTag(tag, known.tag))
                return &known;
    return nullptr;
}

}

std::span<const TextStyleTag> TextStyleTags() {
    return kTextStyleTags;
}

std::span<const ColourTag> MarginColourTags() {
    return kMarginColourTags;
}

std::span<const ColourTag> OtherColourTags() {
    return kOtherColourTags;
}

long* ColourOfTag(ColorStyle& style, const QString& tag) {
    const ColourTag* known = findColourTag(tag);
    if (!known)
        return nullptr;
    switch (known->table) {
    case ColourTable::Fore:
        return &style.ForeColor[known->slot];
    case ColourTable::Back:
        return &style.BackColor[known->slot];
    case ColourTable::Alt:
        return &style.AltColor[known->slot];
    }
    return nullptr;
}
