#include "BuiltInKeywords.h"

#include "language/keywords/Compiler.h"

#include <QTemporaryFile>

namespace {
const char* const kBuiltInKeywords[] = {
    "After", "And", "Before", "Case", "Const", "Data", "Default", "Delete", "Dim", "Each", "Else", "ElseIf",
    "End", "EndIf", "Exit", "False", "Field", "First", "Float", "For", "Forever", "Function", "Global",
    "Gosub", "Goto", "Handle", "If", "Include", "Insert", "Int", "Last", "Local", "Mod", "New", "Next",
    "Not", "Null", "Object", "Or", "Pi", "Print", "Read", "Repeat", "Restore", "Return", "Sar", "Select",
    "Shl", "Shr", "Step", "Stop", "Str", "Then", "To", "True", "Type", "Until", "Wend", "While", "Xor",
};
}

// The loader takes only files of a real listing's size; blank lines hold no
// keyword, so they make up the difference.
bool LoadBuiltInKeywords(ClsCompiler& compiler) {
    QTemporaryFile file;
    if (!file.open())
        return false;
    QByteArray text;
    for (const char* keyword : kBuiltInKeywords)
        text += QByteArray(keyword) + "\r\n";
    while (text.size() <= kSmallestInvalidKeywordFile)
        text += "\r\n";
    file.write(text);
    file.close();
    return compiler.LoadKeywordsFrom(file.fileName());
}
