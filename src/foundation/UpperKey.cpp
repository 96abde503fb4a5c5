#include "foundation/UpperKey.h"

QString UpperKey(const QString& key) {
    const qsizetype size = key.size();
    const QChar* from = key.constData();
    bool lower = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = from[i].unicode();
        if (c >= 128)
            return key.toUpper();
        lower = lower || (c >= 'a' && c <= 'z');
    }
    if (!lower)
        return key;
    QString upper(size, Qt::Uninitialized);
    QChar* to = upper.data();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = from[i].unicode();
        to[i] = QChar(AsciiUpper(c));
    }
    return upper;
}

std::size_t KeyHash(const QString& key) {
    std::size_t hash = 14695981039346656037ull;
    for (const QChar c : key)
        hash = (hash ^ c.unicode()) * 1099511628211ull;
    return hash;
}
