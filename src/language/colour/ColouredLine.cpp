#include "language/colour/ColouredLine.h"

#include "editor/SciWrappers.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/LineReading.h"

ColouredLine::ColouredLine(int Line, QString& Text) : line(Line), length(0) {
    ReadLineIntoBuffer(Line, Text, length);
    count = Tokenize(length);
    lineBase = static_cast<int>(SciPositionFromLine(Line)) - 1;
}
