#pragma once

#include "language/DeclarationRecords.h"

#include <memory>

// A new, empty declaration record of the parser. A function's locals and a
// type's fields are few: their tables are copies of a small empty one rather
// than built at the size of a project's.
template <typename Record>
std::shared_ptr<Record> NewRecord() {
    return std::make_shared<Record>();
}

template <>
std::shared_ptr<ClsFunkcija> NewRecord<ClsFunkcija>();
template <>
std::shared_ptr<ClsType> NewRecord<ClsType>();
