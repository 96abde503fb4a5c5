#include "foundation/FileHelpers.h"

QString FixDoubleBackslash(const QString& path) {
    QString out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        out += c;
        if ((c == QLatin1Char('/') || c == QLatin1Char('\\')) && i + 1 < path.size() && path[i + 1] == c)
            ++i;
    }
    return out;
}
