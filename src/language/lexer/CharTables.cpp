#include "language/lexer/CharTables.h"

bool gIsIdentChar[65537];
bool gIsBlank[257];
bool gIsHexDigit[257];
bool gIsBinDigit[257];
bool gIsDigit[257];
bool gIsLetter[257];
bool gIsOperator[257];
bool gIsBracket[257];
bool gIsCloseBracket[257];
bool gIsNameFollower[257];
bool gIsSuffixChar[257];
bool gIsDelimiter[257];

short gSuffixTip[257];
short gUpperCase[257];
QString gTipSuffix[7];
