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
    {"STYLE_FOLDINGMARGIN", 21, ColourTable::Alt, "Folding Margin Color"},
    {"STYLE_BOOKMARKS", 30, ColourTable::Back, "Bookmark Color"},
    {"Style_BREAKPOINTS", 30, ColourTable::Alt, "Breakpoint Color"},
    {"Style_OUTLINE", 30, ColourTable::Fore, "Bookmark Outline Color"},
    {"Style_CLOSEDFOLD", 31, ColourTable::Alt, "Closed Fold Marker Color"},
    {"Style_OPENFOLD", 31, ColourTable::Fore, "Open Fold Marker Color"},
    {"Style_FOLDMARKERSOUTLINE", 31, ColourTable::Back, "Fold Markers OutLine Color"},
};

constexpr ColourTag kOtherColourTags[] = {
    {"Style_InactiveCurrentLine", 25, ColourTable::Alt, "Inactive Current Line"},
    {"Style_InactiveSelectionBack", 27, ColourTable::Alt, "Inactive Selection Backcolor"},
    {"Style_Cursor", 26, ColourTable::Fore, "Cursor"},
    {"Style_Indentguide", 37, ColourTable::Fore, "Indent guides"},
    {"STYLE_FoldBorderLine", 21, ColourTable::Fore, "Folded code Border Lines"},
    {"Style_WhiteSpace", 22, ColourTable::Fore, "White Spaces"},
    {"Style_CurrentLine", 25, ColourTable::Fore, "Current Line Background"},
    {"Style_SelectionFore", 27, ColourTable::Fore, "Selection Forecolor"},
    {"Style_SelectionBack", 27, ColourTable::Back, "Selection Backcolor"},
    {"Style_CallTipFore", 23, ColourTable::Fore, "CallTips Forecolor"},
    {"Style_CallTipBack", 23, ColourTable::Back, "CallTips Background"},
    {"Style_CallTipHigh", 24, ColourTable::Fore, "CallTips Highlight"},
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

int SlotOfTextTag(const QString& tag) {
    for (const TextStyleTag& known : kTextStyleTags)
        if (sameTag(tag, known.tag))
            return known.slot;
    return 0;
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
