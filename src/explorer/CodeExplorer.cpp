#include "explorer/CodeExplorer.h"

namespace frmList {

std::array<QString, kDeclarationKindCount> ListProjectFullPath;

namespace {
QString& filledFor(DeclarationKindId kind) {
    return ListProjectFullPath[static_cast<size_t>(kind)];
}
}

QString& GlobalsProjectFullPath = filledFor(DeclarationKindId::Global);
QString& TypesProjectFullPath = filledFor(DeclarationKindId::Type);
QString& FunctionsProjectFullPath = filledFor(DeclarationKindId::Function);
QString& ConstantsProjectFullPath = filledFor(DeclarationKindId::Constant);
QString& ArraysProjectFullPath = filledFor(DeclarationKindId::Array);
QString& LabelsProjectFullPath = filledFor(DeclarationKindId::Label);
QString& IncludesProjectFullPath = filledFor(DeclarationKindId::Include);

void ForgetFills() {
    for (QString& path : ListProjectFullPath)
        path.clear();
}

// No list is shown yet: there is nothing to fill.
bool PuniLista() {
    return true;
}

}
