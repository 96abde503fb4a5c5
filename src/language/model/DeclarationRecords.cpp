#include "language/model/DeclarationRecords.h"

#include "language/lexer/CharTables.h"

QString DeclarationDisplayName(const TypedRecord& record) {
    const QString suffix = record.Tip <= TipDoubleQuestion ? gTipSuffix[record.Tip] : QString();
    return record.Ime + suffix + (record.Tip == TipCustom ? record.Tajp : QString());
}

const QString& TypedRecord::ArraySize() const {
    static const QString none;
    return arraySize_ ? *arraySize_ : none;
}

void TypedRecord::SetArraySize(const QString& brackets) {
    if (brackets.isEmpty())
        arraySize_.reset();
    else
        arraySize_ = std::make_unique<QString>(brackets);
}
