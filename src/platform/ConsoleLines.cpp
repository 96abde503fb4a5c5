#include "platform/ConsoleLines.h"

#include "platform/AnsiText.h"

namespace platform {

QStringList ConsoleLines::take(const QByteArray& chunk) {
    // The carry holds no LF: only the new bytes need a search.
    const qsizetype searchFrom = carry_.size();
    carry_.append(chunk);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype end = carry_.indexOf('\n', searchFrom); end >= 0; end = carry_.indexOf('\n', start)) {
        const qsizetype length = end > start && carry_[end - 1] == '\r' ? end - 1 - start : end - start;
        lines.append(fromUtf8OrAnsi(carry_.sliced(start, length)));
        start = end + 1;
    }
    carry_.remove(0, start);
    return lines;
}

std::optional<QString> ConsoleLines::takeUnfinished() {
    if (carry_.isEmpty())
        return std::nullopt;
    const QString line = fromUtf8OrAnsi(carry_);
    carry_.clear();
    return line;
}

}
