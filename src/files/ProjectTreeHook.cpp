#include "files/ProjectTreeHook.h"

namespace {

std::function<void(const QString&)>& installedRebuild() {
    static std::function<void(const QString&)> rebuild;
    return rebuild;
}

}

void PopulateTreeView(const QString& selectedKey) {
    if (installedRebuild())
        installedRebuild()(selectedKey);
}

void SetPopulateTreeView(std::function<void(const QString& selectedKey)> rebuild) {
    installedRebuild() = std::move(rebuild);
}
