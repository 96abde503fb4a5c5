#include "language/lexer/LineReading.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/lexer/Lexer.h"
#include "platform/AnsiText.h"

#include <algorithm>
#include <cstring>

void ReadLineIntoBuffer(long line, QString& Text, int& Length) {
    ReadLineIntoBuffer(line, SciPositionFromLine(line), Text, Length);
}

void ReadLineIntoBuffer(long line, long start, QString& Text, int& Length) {
    Length = static_cast<int>(SciLineLength(line));
    const int kept = start >= 0 ? std::clamp(Length, 0, kMaxLineLength) : 0;
    // The bytes are read where the component keeps them: asking it for a
    // copy of the line has it copy one character at a time.
    const auto* bytes = kept ? reinterpret_cast<const char*>(SciDirect(
                                   gSciWndData, QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<uptr_t>(start), kept))
                             : nullptr;
    const int copied = bytes ? kept : 0;
    if (copied)
        std::memcpy(gLineBufferPtr, bytes, static_cast<size_t>(copied));
    platform::assignFromAnsi(Text, reinterpret_cast<const char*>(gLineBufferPtr), copied);
}
