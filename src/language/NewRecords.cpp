#include "language/NewRecords.h"

namespace {

std::shared_ptr<clsHash> newScopeTable() {
    static const clsHash small = [] {
        clsHash table;
        table.SetSize(64, 16, 16);
        return table;
    }();
    return std::make_shared<clsHash>(small);
}

}

// Copied from a blank record, so that no table of the default size is built
// only to be replaced.
template <>
std::shared_ptr<ClsFunkcija> NewRecord<ClsFunkcija>() {
    static const ClsFunkcija blank;
    auto function = std::make_shared<ClsFunkcija>(blank);
    function->Locals = newScopeTable();
    return function;
}

template <>
std::shared_ptr<ClsType> NewRecord<ClsType>() {
    static const ClsType blank;
    auto type = std::make_shared<ClsType>(blank);
    type->Fields = newScopeTable();
    return type;
}
