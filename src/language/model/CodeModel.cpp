#include "language/model/CodeModel.h"

#include "language/model/DeclarationRecords.h"
#include "language/parser/ParseState.h"

CodeModel::CodeModel() {
    auto mainProgram = std::make_shared<ClsFunkcija>();
    mainProgram->Ime = kMainProgram;
    Funkcii.Add(kMainProgram, mainProgram);
    FunctionsDirty = true;
    MainFunLocals = mainProgram->Locals;
    gCurrentLocals = MainFunLocals;
}
