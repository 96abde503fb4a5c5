#pragma once

#include "explorer/ExplorerText.h"
#include "language/model/DeclarationKinds.h"

#include <QString>

// The seven lists of the code explorer, in the order of their table: the
// name that LastConstruct and the list's command take, the declarations it
// shows, how it writes them, its picture, and whether it has a companion
// list (the locals of a function, the fields of a type).
struct ExplorerListKind {
    const char* construct;
    DeclarationKindId kind;
    ExplorerTextRule rule;
    const char* picture;
    bool companion;

    QString name() const { return QString::fromLatin1(construct); }
    clsHash& table(CodeModel& model) const { return model.*(declarationKind(kind).table); }
    bool& dirty(CodeModel& model) const { return model.*(declarationKind(kind).dirty); }
};

inline constexpr ExplorerListKind kExplorerLists[] = {
    {"Functions", DeclarationKindId::Function, ExplorerTextRule::NameTypeAndSize, "imgFunctions", true},
    {"Globals", DeclarationKindId::Global, ExplorerTextRule::NameTypeAndSize, "imgGlobals", false},
    {"Types", DeclarationKindId::Type, ExplorerTextRule::NameOnly, "imgTypes", true},
    {"Arrays", DeclarationKindId::Array, ExplorerTextRule::NameAndType, "imgArrays", false},
    {"Constants", DeclarationKindId::Constant, ExplorerTextRule::NameAndSuffix, "imgConstants", false},
    {"Labels", DeclarationKindId::Label, ExplorerTextRule::NameOnly, "imgLabels", false},
    {"Includes", DeclarationKindId::Include, ExplorerTextRule::NameOnly, "imgIncludes", false},
};

// The list of that exact name, or null.
const ExplorerListKind* FindExplorerList(const QString& construct);
