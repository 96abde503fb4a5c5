#pragma once

#include <QString>

// Classification of characters by code, filled once by
// InitScintillaAndCharTables and only read afterwards. The byte tables cover
// codes 0 to 256; gIsIdentChar covers every UTF-16 code unit as well, for
// callers that classify the characters of a QString.
extern bool gIsIdentChar[65537];
extern bool gIsBlank[257];
extern bool gIsHexDigit[257];
extern bool gIsBinDigit[257];
extern bool gIsDigit[257];
extern bool gIsLetter[257];
extern bool gIsOperator[257];
extern bool gIsBracket[257];
extern bool gIsCloseBracket[257];
extern bool gIsNameFollower[257];
extern bool gIsSuffixChar[257];
extern bool gIsDelimiter[257];

// Type code of a type-suffix character ("%" 1, "#" 2, "$" 3), 0 elsewhere.
extern short gSuffixTip[257];
// Upper-case code of each character from 32 to 127; 0 outside that range.
extern short gUpperCase[257];
// Display suffix of each type code 0 to 6.
extern QString gTipSuffix[7];
