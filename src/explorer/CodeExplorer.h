#pragma once

#include "language/model/DeclarationKinds.h"

#include <QString>

#include <array>

// The little of the code explorer that the language model drives: its
// refill, and the project path each list was last filled for ("" makes
// that list refill in full next time).
namespace frmList {

// By DeclarationKindId; the lists are those of the kinds with a project table.
extern std::array<QString, kDeclarationKindCount> ListProjectFullPath;
extern QString& GlobalsProjectFullPath;
extern QString& TypesProjectFullPath;
extern QString& FunctionsProjectFullPath;
extern QString& ConstantsProjectFullPath;
extern QString& ArraysProjectFullPath;
extern QString& LabelsProjectFullPath;
extern QString& IncludesProjectFullPath;

// Every list refills in full next time.
void ForgetFills();

// Fills or refreshes the list shown from gActiveProject's tables.
bool PuniLista();

}
