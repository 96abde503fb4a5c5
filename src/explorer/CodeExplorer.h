#pragma once

#include <QString>

// The little of the code explorer that the language model drives: its
// refill, and the project path each list was last filled for ("" makes
// that list refill in full next time).
namespace frmList {

extern QString GlobalsProjectFullPath;
extern QString TypesProjectFullPath;
extern QString FunctionsProjectFullPath;
extern QString ConstantsProjectFullPath;
extern QString ArraysProjectFullPath;
extern QString LabelsProjectFullPath;
extern QString IncludesProjectFullPath;

// Every list refills in full next time.
void ForgetFills();

// Fills or refreshes the list shown from gActiveProject's tables.
bool PuniLista();

}
