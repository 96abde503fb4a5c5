#pragma once

#include "language/model/DeclarationKinds.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

class CodeModel;

// The declarations and scope boundaries of one line as the line parser reads
// them: the unparse takes out what they put in, and the scope queries find
// a scope's header where the parser met it.
enum class Boundary { Function, EndFunction, Type, EndType };

// `at` is the index of the name's token.
struct LineDeclaration {
    DeclarationKindId kind;
    QString name;
    int at = 0;
};

struct BoundaryStatement {
    Boundary kind;
    QString name;  // of a header
    int at = 0;
};

struct HeaderParameter {
    std::size_t header;  // the Function among the boundaries
    int at;
};

struct LineStatements {
    std::vector<LineDeclaration> declarations;
    std::vector<BoundaryStatement> boundaries;  // in the order of the line
    std::vector<HeaderParameter> parameters;
};

// Reads tokens 1 to count of the full tokenizer's result. When given, the
// tables of `dirty` that the line names are marked for the code explorer.
LineStatements ReadLineStatements(int count, CodeModel* dirty = nullptr);

// The scope boundaries of a line's text; the full tokenizer's result, which
// a parse under way may still be reading, is left as it was.
std::vector<BoundaryStatement> BoundariesOfText(const QByteArray& text);
