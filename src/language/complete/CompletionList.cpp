#include "language/complete/CompletionList.h"

#include <algorithm>

namespace {

// Scintilla upper-cases ASCII letters only.
QString scintillaKey(const QString& name) {
    QString key = name;
    for (QChar& c : key)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return key;
}

}

void CompletionList::add(const QString& name) {
    entries_.append(name);
    keys_.insert(scintillaKey(name));
}

bool CompletionList::containsNoCase(const QString& name) const {
    return keys_.contains(scintillaKey(name));
}

QStringList CompletionList::sorted() const {
    QStringList list = entries_;
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return QString::compare(scintillaKey(a), scintillaKey(b), Qt::CaseSensitive) < 0;
    });
    return list;
}
