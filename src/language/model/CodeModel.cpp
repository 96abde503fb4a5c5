#include "language/model/CodeModel.h"

#include "language/model/DeclarationKinds.h"
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

namespace {
void visitTable(const clsHash& table, const std::function<void(CodeRecord&)>& visit) {
    if (table.Count() == 0)
        return;
    for (const CodeRecordPtr& record : table.Items())
        if (record)
            visit(*record);
}
}

void ForEachRecord(const CodeModel& model, const std::function<void(CodeRecord&)>& visit) {
    for (const DeclarationKind& kind : kDeclarationKinds)
        if (kind.table)
            visitTable(model.*kind.table, visit);
    for (const CodeRecordPtr& record : model.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            visitTable(*function->Locals, visit);
    for (const CodeRecordPtr& record : model.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            visitTable(*type->Fields, visit);
}

void ForgetDeclarationsOf(CodeModel& model, const SciHandle& view) {
    for (const DeclarationKind& kind : kDeclarationKinds) {
        if (kind.table)
            (model.*kind.table).RemoveFromView(view);
        model.*kind.dirty = true;
    }
    model.MainFunLocals->RemoveFromView(view);
}
