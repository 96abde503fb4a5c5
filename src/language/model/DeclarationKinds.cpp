#include "language/model/DeclarationKinds.h"

#include "platform/BlockPool.h"
#include "language/model/DeclarationRecords.h"

namespace {

template <typename Record>
CodeRecordPtr make() {
    return std::allocate_shared<Record>(PoolAllocator<Record>());
}

using Id = DeclarationKindId;
using M = CodeModel;

}

const std::array<DeclarationKind, kDeclarationKindCount> kDeclarationKinds = {{
    {Id::Function, "Function", false, make<ClsFunkcija>, MARKER_FUNCTION, &M::Funkcii, &M::FunctionsDirty},
    {Id::Type, "Type", false, make<ClsType>, MARKER_TYPE, &M::Types, &M::TypesDirty},
    {Id::Field, "Field", true, make<ClsField>, MARKER_DECLARATION, nullptr, &M::FieldsDirty},
    {Id::Array, "Dim", true, make<ClsArrayVar>, MARKER_DECLARATION, &M::Arrays, &M::ArraysDirty},
    {Id::Global, "Global", true, make<ClsGlobalVar>, MARKER_DECLARATION, &M::Globals, &M::GlobalsDirty},
    {Id::Local, "Local", true, make<ClsLocalVar>, MARKER_LOCAL, nullptr, &M::LocalsDirty},
    {Id::Constant, "Const", true, make<clsConstant>, MARKER_DECLARATION, &M::Constants, &M::ConstantsDirty},
    {Id::Label, "", false, make<clsLabel>, MARKER_DECLARATION, &M::Labels, &M::LabelsDirty},
    {Id::Include, "Include", false, make<clsInclude>, MARKER_DECLARATION, &M::Includes, &M::IncludesDirty},
}};

const DeclarationKind* FindDeclarationList(const QString& keyword) {
    for (const DeclarationKind& kind : kDeclarationKinds)
        if (kind.list && keyword == QLatin1String(kind.keyword))
            return &kind;
    return nullptr;
}
