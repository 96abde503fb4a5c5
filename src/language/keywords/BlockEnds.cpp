#include "language/keywords/BlockEnds.h"

#include <QLatin1String>

namespace {

constexpr BlockEnd kBlockEnds[] = {
    {EndedBlock::Function, "Function", 1},
    {EndedBlock::Type, "Type", 1},
    {EndedBlock::If, "If", 1},
    {EndedBlock::Select, "Select", 2},
};

}

const BlockEnd* FindBlockEnd(const QString& word) {
    for (const BlockEnd& end : kBlockEnds)
        if (word.compare(QLatin1String(end.word), Qt::CaseInsensitive) == 0)
            return &end;
    return nullptr;
}
