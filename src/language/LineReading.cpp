#include "language/LineReading.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/Lexer.h"
#include "platform/AnsiText.h"

#include <algorithm>
#include <cstring>

QString ReadLineIntoBuffer(long line, int& length) {
    length = static_cast<int>(SciLineLength(line));
    const long copied = length <= kMaxLineLength
        ? SciDirect(gSciWndData, QsciScintillaBase::SCI_GETLINE, static_cast<unsigned long>(line), reinterpret_cast<long>(gLineBufferPtr))
        : SciGetLine(line, gLineBufferPtr, kMaxLineLength);
    return platform::fromAnsi(QByteArray::fromRawData(reinterpret_cast<const char*>(gLineBufferPtr), std::max(copied, 0L)));
}

QString LoadLineIntoBuffer(const QByteArray& bytes, int& length) {
    length = static_cast<int>(bytes.size());
    std::memcpy(gLineBufferPtr, bytes.constData(), static_cast<size_t>(std::min<qsizetype>(bytes.size(), kMaxLineLength)));
    return platform::fromAnsi(bytes.left(kMaxLineLength));
}
