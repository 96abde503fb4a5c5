#pragma once

#include <Qsci/qsciscintillabase.h>

// The style numbers the colouriser writes and the colour styles address.
enum StyleNumber {
    STYLE_Text = 0,
    STYLE_Comment = 1,
    STYLE_Keyword = 2,
    STYLE_Number = 3,
    STYLE_Operator = 4,
    STYLE_String = 5,
    STYLE_Comment2 = 6,
    STYLE_Function = 7,
    STYLE_Scope = 8,
    STYLE_Separator = 9,
    STYLE_GlobalVar = 10,
    STYLE_LocalVar = 11,
    STYLE_Constant = 12,
    STYLE_Label = 13,
    STYLE_ArrayVar = 14,
    STYLE_Type = 15,
    STYLE_Bad = 16,
    STYLE_Block = 17,
    STYLE_BraceBad = 19,
    STYLE_LineNumber = QsciScintillaBase::STYLE_LINENUMBER,
    STYLE_BraceLight = QsciScintillaBase::STYLE_BRACELIGHT,
};
