#include "BuiltInKeywords.h"

#include "language/keywords/Compiler.h"

#include <QByteArray>

namespace {
const char* const kBuiltInKeywords[] = {
    "After", "And", "Before", "Case", "Const", "Data", "Default", "Delete", "Dim", "Each", "Else", "ElseIf",
    "End", "EndIf", "Exit", "False", "Field", "First", "Float", "For", "Forever", "Function", "Global",
    "Gosub", "Goto", "Handle", "If", "Include", "Insert", "Int", "Last", "Local", "Mod", "New", "Next",
    "Not", "Null", "Object", "Or", "Pi", "Print", "Read", "Repeat", "Restore", "Return", "Sar", "Select",
    "Shl", "Shr", "Step", "Stop", "Str", "Then", "To", "True", "Type", "Until", "Wend", "While", "Xor",
};
}

bool LoadBuiltInKeywords(ClsCompiler& compiler) {
    QByteArray text;
    for (const char* keyword : kBuiltInKeywords)
        text += QByteArray(keyword) + "\r\n";
    return compiler.LoadKeywordsFromText(text);
}
