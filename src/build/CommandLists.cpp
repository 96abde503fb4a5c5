#include "build/CommandLists.h"

namespace {

CommandListFinder& listFinder() {
    static CommandListFinder finder;
    return finder;
}

}

void SetCommandListFinder(CommandListFinder finder) {
    listFinder() = std::move(finder);
}

CommandList* FindCommandList(const QString& commandKey) {
    return listFinder() ? listFinder()(commandKey) : nullptr;
}
