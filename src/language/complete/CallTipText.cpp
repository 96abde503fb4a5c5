#include "language/complete/CallTipText.h"

#include "language/keywords/KeywordRecord.h"
#include "language/model/DeclarationRecords.h"

#include <QStringList>

namespace {

QString keywordHead(const ClsBBFunkcija& keyword) {
    QString head = keyword.Ime;
    switch (keyword.Tip) {
    case TipInteger: head += QLatin1Char(' '); break;
    case TipFloat: head += QStringLiteral("# "); break;
    case TipString: head += QStringLiteral("$ "); break;
    default: break;
    }
    if (keyword.ImaZagradi)
        head += QLatin1Char('(');
    return head;
}

QString functionHead(const ClsFunkcija& function) {
    switch (function.Tip) {
    case TipFloat: return function.Ime + QStringLiteral("# (");
    case TipString: return function.Ime + QStringLiteral("$ (");
    case TipCustom: return function.Ime + QLatin1Char('.') + function.Tajp + QStringLiteral(" (");
    default: return function.Ime + QStringLiteral(" (");
    }
}

// The declared parameters, cut at the commas that stand outside quotes.
QStringList parameterTexts(const QString& help) {
    QStringList pieces(1);
    bool quoted = false;
    for (const QChar c : help) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(',') && !quoted)
            pieces.append(QString());
        else
            pieces.last() += c;
    }
    return pieces;
}

}

CallTipText KeywordCallTip(const ClsBBFunkcija& keyword, int ArgIndex) {
    CallTipText tip{keywordHead(keyword), {}, {}};
    const int count = keyword.VlezNum;
    const QString close = keyword.ImaZagradi ? QStringLiteral(")") : QString();
    if (ArgIndex < 1 || ArgIndex > count) {
        QStringList all;
        for (int n = 1; n <= count; ++n)
            all.append(keyword.ParametarTekst(n));
        tip.Head += all.join(QLatin1Char(',')) + close;
        return tip;
    }
    for (int n = 1; n < ArgIndex; ++n)
        tip.Head += keyword.ParametarTekst(n) + QLatin1Char(',');
    tip.Current = keyword.ParametarTekst(ArgIndex);
    for (int n = ArgIndex + 1; n <= count; ++n)
        tip.Tail += QLatin1Char(',') + keyword.ParametarTekst(n);
    tip.Tail += close;
    return tip;
}

CallTipText FunctionCallTip(const ClsFunkcija& function, int ArgIndex) {
    CallTipText tip{functionHead(function), {}, {}};
    const QStringList pieces = parameterTexts(function.Help);
    for (int n = 1; n <= function.VlezNum; ++n) {
        QString piece = pieces.value(n - 1);
        if (piece.contains(QLatin1Char('=')))
            piece = QLatin1Char('[') + piece + QLatin1Char(']');
        if (n == ArgIndex) {
            if (n > 1)
                tip.Head += QLatin1Char(',');
            tip.Current = piece;
        } else if (ArgIndex != 0 && n > ArgIndex) {
            tip.Tail += QLatin1Char(',') + piece;
        } else {
            if (n > 1)
                tip.Head += QLatin1Char(',');
            tip.Head += piece;
        }
    }
    (ArgIndex > 0 ? tip.Tail : tip.Head) += QLatin1Char(')');
    return tip;
}
