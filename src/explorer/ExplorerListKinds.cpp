#include "explorer/ExplorerListKinds.h"

const ExplorerListKind* FindExplorerList(const QString& construct) {
    for (const ExplorerListKind& list : kExplorerLists)
        if (construct == QLatin1String(list.construct))
            return &list;
    return nullptr;
}
