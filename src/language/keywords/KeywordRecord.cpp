#include "language/keywords/KeywordRecord.h"

#include "platform/KorvoError.h"

QString ClsBBFunkcija::ParametarTekst(int ParBroj) const {
    if (ParBroj < 1 || ParBroj > parameters_.size())
        RaiseError(ErrSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return parameters_.at(ParBroj - 1);
}

void ClsBBFunkcija::SetParametarTekst(int ParBroj, const QString& text) {
    if (ParBroj < 1)
        RaiseError(ErrSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    while (parameters_.size() < ParBroj)
        parameters_.append(QString());
    parameters_[ParBroj - 1] = text;
}
