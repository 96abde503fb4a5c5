#include "language/colour/NameContexts.h"

#include <QLatin1String>

#include <algorithm>
#include <iterator>

namespace {

// The words' lengths are taken once: keywords are asked about on every line.
template <size_t N>
bool isOneOf(const QString& keyword, const QLatin1String (&words)[N]) {
    return std::any_of(std::begin(words), std::end(words), [&](QLatin1String word) { return keyword == word; });
}

}

bool TypeFollows(const QString& keyword) {
    static const QLatin1String words[] = {QLatin1String("New"), QLatin1String("Each"), QLatin1String("Last"),
                                          QLatin1String("First")};
    return isOneOf(keyword, words);
}

bool LabelFollows(const QString& keyword) {
    static const QLatin1String words[] = {QLatin1String("Goto"), QLatin1String("Gosub"), QLatin1String("Restore")};
    return isOneOf(keyword, words);
}
