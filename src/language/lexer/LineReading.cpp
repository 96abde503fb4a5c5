#include "language/lexer/LineReading.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/lexer/Lexer.h"
#include "platform/AnsiText.h"

#include <algorithm>

void ReadLineIntoBuffer(long line, QString& Text, int& Length) {
    Length = static_cast<int>(SciLineLength(line));
    // A line that fits is copied straight in; the wrapper would ask its length again.
    const long copied = Length <= kMaxLineLength ? SciDirect(gSciWndData, QsciScintillaBase::SCI_GETLINE, static_cast<uptr_t>(line),
                                                             reinterpret_cast<sptr_t>(gLineBufferPtr))
                                                 : SciGetLine(line, gLineBufferPtr, kMaxLineLength);
    platform::assignFromAnsi(Text, reinterpret_cast<const char*>(gLineBufferPtr), std::max(copied, 0L));
}
