#include "language/LineReading.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/Lexer.h"
#include "platform/AnsiText.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes below 0x80 and from 0xA0 on are the characters of the same code; a
// line with any byte between goes through the full conversion.
void decode(const unsigned char* bytes, long count, QString& Text) {
    const auto* end = bytes + count;
    if (std::find_if(bytes, end, [](unsigned char b) { return b >= 0x80 && b < 0xA0; }) != end)
        Text = platform::fromAnsi(QByteArray(reinterpret_cast<const char*>(bytes), count));
    else
        Text = QLatin1StringView(reinterpret_cast<const char*>(bytes), count);
}

}

void ReadLineIntoBuffer(long line, QString& Text, int& Length) {
    Length = static_cast<int>(SciLineLength(line));
    // A line that fits is copied straight in; the wrapper would ask its length again.
    const long copied = Length <= kMaxLineLength ? SciDirect(gSciWndData, QsciScintillaBase::SCI_GETLINE, static_cast<unsigned long>(line),
                                                             reinterpret_cast<long>(gLineBufferPtr))
                                                 : SciGetLine(line, gLineBufferPtr, kMaxLineLength);
    decode(gLineBufferPtr, std::max(copied, 0L), Text);
}

void LoadLineIntoBuffer(const QByteArray& bytes, QString& Text, int& Length) {
    Length = static_cast<int>(bytes.size());
    const long kept = std::min<long>(bytes.size(), kMaxLineLength);
    std::memcpy(gLineBufferPtr, bytes.constData(), static_cast<size_t>(kept));
    decode(gLineBufferPtr, kept, Text);
}
