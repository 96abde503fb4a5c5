#include "language/model/DeclarationRecords.h"

#include "language/lexer/CharTables.h"

QString DeclarationDisplayName(const TypedRecord& record) {
    const QString suffix = record.Tip <= TipDoubleQuestion ? gTipSuffix[record.Tip] : QString();
    return record.Ime + suffix + (record.Tip == TipCustom ? record.Tajp : QString());
}
