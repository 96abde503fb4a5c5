#include "language/colour/ColouredLine.h"

#include "editor/SciWrappers.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/LineReading.h"

ColouredLine::ColouredLine(int Line, bool InOrder) : line(Line) {
    long start = 0;
    if (InOrder) {
        length = ReadNextLineBytes(Line, start);
    } else {
        start = SciPositionFromLine(Line);
        length = ReadLineBytes(Line, start);
    }
    // Every line but the last ends in a line end; a line too long to be
    // read whole is asked about.
    const unsigned char last = length > 0 && length <= kMaxLineLength ? gLineBufferPtr[length - 1] : 0;
    isLastLine = length > kMaxLineLength ? Line + 1 >= SciGetLineCount() : last != '\n' && last != '\r';
    count = Tokenize(length);
    lineBase = static_cast<int>(start) - 1;
}
