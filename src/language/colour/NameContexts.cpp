#include "language/colour/NameContexts.h"

#include <QLatin1String>

#include <initializer_list>

namespace {

bool isOneOf(const QString& keyword, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (keyword == QLatin1String(word))
            return true;
    return false;
}

}

bool TypeFollows(const QString& keyword) {
    return isOneOf(keyword, {"New", "Each", "Last", "First"});
}

bool LabelFollows(const QString& keyword) {
    return isOneOf(keyword, {"Goto", "Gosub", "Restore"});
}
