#include "files/Project.h"

#include "language/model/DeclarationRecords.h"
#include "language/parser/ParseState.h"

ClsProject::ClsProject() {
    auto mainProgram = std::make_shared<ClsFunkcija>();
    mainProgram->Ime = kMainProgram;
    Funkcii.Add(kMainProgram, mainProgram);
    FunctionsDirty = true;
    MainFunLocals = mainProgram->Locals;
    MainFunLocals->setIgnoreCase(true);
    gCurrentLocals = MainFunLocals;
}
