#include "language/lexer/LineReading.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/lexer/Lexer.h"
#include "platform/AnsiText.h"

#include <algorithm>
#include <cstring>

int ReadLineBytes(long line) {
    return ReadLineBytes(line, SciPositionFromLine(line));
}

int ReadLineBytes(long line, long start) {
    const int length = static_cast<int>(SciLineLength(line));
    const int kept = start >= 0 ? std::clamp(length, 0, kMaxLineLength) : 0;
    // The bytes are read where the component keeps them: asking it for a
    // copy of the line has it copy one character at a time.
    const auto* bytes = kept ? reinterpret_cast<const char*>(SciDirect(
                                   gSciWndData, QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<uptr_t>(start), kept))
                             : nullptr;
    if (bytes)
        std::memcpy(gLineBufferPtr, bytes, static_cast<size_t>(kept));
    return bytes ? length : 0;
}

void ReadLineIntoBuffer(long line, QString& Text, int& Length) {
    ReadLineIntoBuffer(line, SciPositionFromLine(line), Text, Length);
}

void ReadLineIntoBuffer(long line, long start, QString& Text, int& Length) {
    Length = ReadLineBytes(line, start);
    platform::assignFromAnsi(Text, reinterpret_cast<const char*>(gLineBufferPtr), std::min(Length, kMaxLineLength));
}
