#include "language/keywords/KeywordLine.h"

#include "language/lexer/CharTables.h"
#include "platform/KorvoError.h"

namespace {

constexpr int kMaxParameterPart = 254;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isNameChar(QChar c) {
    return gIsIdentChar[c.unicode()];
}

bool isTypeChar(QChar c) {
    return c == QLatin1Char('#') || c == QLatin1Char('$') || c == QLatin1Char('%');
}

// Collects the parameters of a parameter part: name characters build a
// parameter, any other character ends it. "#" and "$" belong to the
// parameter; a "]" right after its name or type character makes it optional.
struct ParameterReader {
    ClsBBFunkcija& record;
    bool requiredSeen = false;

    void read(const QString& part) {
        QString current;
        for (qsizetype k = 0; k < part.size(); ++k) {
            const QChar c = part.at(k);
            if (isNameChar(c)) {
                current += c;
                continue;
            }
            if (c == QLatin1Char('#') || c == QLatin1Char('$'))
                current += c;
            bool optional = c == QLatin1Char(']');
            if (isTypeChar(c) && k + 1 < part.size() && part.at(k + 1) == QLatin1Char(']')) {
                ++k;
                optional = true;
            }
            store(current, optional, !optional);
            current.clear();
        }
        store(current, false, false);
    }

    void store(const QString& text, bool optional, bool counts) {
        // A bracket with no name before it is no parameter.
        if (text.isEmpty())
            return;
        record.SetParametarTekst(++record.VlezNum, optional ? QLatin1Char('[') + text + QLatin1Char(']') : text);
        if (counts)
            requiredSeen = true;
    }
};

}

QString TrimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

KeywordPtr ReadKeywordLine(const QString& line) {
    auto record = std::make_shared<ClsBBFunkcija>();
    const QString text = TrimBlanks(line);
    record->Help = text;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        record->Ime = text;
    } else {
        QString name = text.left(blank);
        if (name.endsWith(QLatin1Char('#'))) {
            name.chop(1);
            record->Tip = 2;
        }
        if (name.endsWith(QLatin1Char('$'))) {
            name.chop(1);
            record->Tip = 3;
        }
        record->Ime = name;

        QString part = text.mid(blank);
        if (part.endsWith(QLatin1Char(')'))) {
            part = part.mid(1, part.size() - 2);
            record->ImaZagradi = true;
        }
        part = TrimBlanks(part);
        if (part.size() > kMaxParameterPart)
            RaiseError(ErrOverflow, QStringLiteral("Parameter list too long: ") + record->Ime);
        ParameterReader reader{*record};
        reader.read(part);
        record->MoraZagradi = record->ImaZagradi && !reader.requiredSeen;
    }
    if (record->Ime.isEmpty())
        RaiseError(ErrInvalidProcedureCall, QStringLiteral("Empty keyword name"));
    return record;
}
