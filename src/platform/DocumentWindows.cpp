#include "platform/DocumentWindows.h"

namespace platform {
namespace {
std::function<int()>& counter() {
    static std::function<int()> installed;
    return installed;
}
}

void setDocumentWindowCounter(std::function<int()> c) {
    counter() = std::move(c);
}

int documentWindowCount() {
    return counter() ? counter()() : 0;
}

}
