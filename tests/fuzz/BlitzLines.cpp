#include "fuzz/BlitzLines.h"

#include <iterator>

namespace {

const char* const kStatements[] = {
    "Function @()",  "Function @%(a, b$)", "Function @.T(p)", "Function",      "Function?@",   "End Function",
    "end function",  "Type T",             "Type Ship",       "End Type",      "END TYPE",     "Field @#",
    "Field @, @",    "Field @.T",          "Local @",         "local @ = 1",   "Local @[3]",   "Global @",
    "Global @$, @",  "Dim @(3)",           "Const @ = 1",     ".@",            "Include \"@.bb\"", "Stop",
    "If @ Then",     "EndIf",              "; note",          ";[Block",       ";[End",        "Select @",
    "End Select",    "@ = @ + 1",          "End",             "Return @",      "For @ = 1 To 3", "Next",
};
const char* const kNames[] = {"a", "b", "f", "g", "keep", "x", "T", "Ship"};
const char* const kJoins[] = {" : ", " ", ":", "\t"};

QByteArray statement(ByteReader& bytes) {
    if (bytes.below(8) == 0) {
        QByteArray raw;
        for (unsigned n = bytes.below(6) + 1; n; --n) {
            const char c = static_cast<char>(bytes.next());
            if (c != '\0' && c != '\r' && c != '\n')
                raw += c;
        }
        return raw;
    }
    QByteArray text = kStatements[bytes.below(std::size(kStatements))];
    for (qsizetype at = text.indexOf('@'); at >= 0; at = text.indexOf('@'))
        text.replace(at, 1, kNames[bytes.below(std::size(kNames))]);
    return text;
}

}

QByteArray BlitzLine(ByteReader& bytes) {
    QByteArray text = statement(bytes);
    for (unsigned more = bytes.below(3); more; --more) {
        // Two statements: the join is read first whatever order the compiler evaluates operands in.
        text += kJoins[bytes.below(std::size(kJoins))];
        text += statement(bytes);
    }
    return text;
}
