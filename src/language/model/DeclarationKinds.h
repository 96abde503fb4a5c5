#pragma once

#include "language/model/CodeModel.h"
#include "vocabulary/Markers.h"

#include <QString>

#include <array>

enum class DeclarationKindId { Function, Type, Field, Array, Global, Local, Constant, Label, Include };

// One kind of declaration: the keyword that declares it ("" for a label),
// whether a list of names follows that keyword, a new record of the kind,
// the marker that anchors a record to its line, the project table that
// holds the records (none for fields and locals, which go to the tables of
// their type and function) and the flag that marks the kind changed.
struct DeclarationKind {
    DeclarationKindId id;
    const char* keyword;
    bool list;
    CodeRecordPtr (*newRecord)();
    SciMarkerNumber marker;
    clsHash CodeModel::*table;
    bool CodeModel::*dirty;
};

constexpr int kDeclarationKindCount = 9;
// Indexed by DeclarationKindId.
extern const std::array<DeclarationKind, kDeclarationKindCount> kDeclarationKinds;

inline const DeclarationKind& declarationKind(DeclarationKindId id) {
    return kDeclarationKinds[static_cast<size_t>(id)];
}

// The kind whose list the keyword starts ("Field", "Dim", "Global",
// "Local", "Const", spelled so), or null.
const DeclarationKind* FindDeclarationList(const QString& keyword);
