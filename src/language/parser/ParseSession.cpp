#include "language/parser/ParseSession.h"

#include "language/parser/Parser.h"
#include "language/parser/ParseState.h"

void ForgetScope() {
    gCurrentFunction.clear();
    gCurrentType.clear();
    gIgnoreSciModified = false;
}

void ResetParseState() {
    ForgetScope();
    gCurrentLocals.reset();
    gCurrentFields.reset();
    gFoldLevel = 0;
    gIndentLevel = 0;
    gParsingFile = false;
    gConstructsChanged = false;
    gCaptureKeyword = false;
    gCapturedKeyword.clear();
    gKeywordItem.reset();
    gFoundItem.reset();
}
