#include "language/colour/NameLookup.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "language/model/CodeModel.h"
#include "foundation/Hash.h"
#include "foundation/UpperKey.h"
#include "language/colour/CaseCorrection.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/ColouringFlags.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"
#include "language/colour/VariableColouring.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "language/parser/Parser.h"

#include <algorithm>

namespace {

void prepareInto(PreparedName& name, const QString& text) {
    const qsizetype size = text.size();
    const QChar* from = text.constData();
    if (std::any_of(from, from + size, [](QChar c) { return c.unicode() >= 128; })) {
        name.upper = text.toUpper();
    } else {
        // Names are nearly always ASCII: upper-cased in place, without Unicode case tables.
        name.upper.resize(size);
        QChar* to = name.upper.data();
        for (qsizetype k = 0; k < size; ++k)
            to[k] = QChar(AsciiUpper(from[k].unicode()));
    }
    name.keyHash = KeyHash(name.upper);
}

}

const PreparedName& PrepareName(const QString& text) {
    static PreparedName name;
    prepareInto(name, text);
    return name;
}

bool ExistsName(clsHash& table, const QString& name) {
    // Storage of its own: a name prepared for the tables stays as it is.
    static PreparedName prepared;
    prepareInto(prepared, name);
    return table.ExistsUpper(prepared.upper, prepared.keyHash);
}

const ClsBBFunkcija* FindKeyword(const PreparedName& name) {
    return name.upper.isEmpty() ? nullptr : gKeywords(name.upper.at(0).unicode()).Find(name.upper, name.keyHash);
}

bool FindFunction(const PreparedName& name) {
    return ActiveCodeModel()->Funkcii.ExistsUpper(name.upper, name.keyHash);
}

int FindVariable(const PreparedName& name, ScopeOrder order) {
    CodeModel& project = *ActiveCodeModel();
    const bool local = order == ScopeOrder::LocalsFirst && CurrentLocalsTable().ExistsUpper(name.upper, name.keyHash);
    if (local)
        return STYLE_LocalVar;
    if (project.Globals.ExistsUpper(name.upper, name.keyHash))
        return STYLE_GlobalVar;
    if (order == ScopeOrder::GlobalsFirst && CurrentLocalsTable().ExistsUpper(name.upper, name.keyHash))
        return STYLE_LocalVar;
    if (project.Arrays.ExistsUpper(name.upper, name.keyHash))
        return STYLE_ArrayVar;
    if (project.Constants.ExistsUpper(name.upper, name.keyHash))
        return STYLE_Constant;
    return -1;
}

void AddReference(CodeRecord& record, long position) {
    if (gCollectReferences && gActiveDoc)
        record.AddReference(gActiveDoc->Filename() + QLatin1Char('!') + QString::number(position));
}

void ColourDeclaredName(const CodeRecordPtr& record, int style, int& i, int N, int LineBase, bool Respell) {
    const TokenRecord& token = gTokens[i];
    if (Respell && token.Text() != record->Ime)
        FixTokenCase(record->Ime, i, LineBase);
    AddReference(*record, LineBase + token.StartPos);
    if (gIsNameFollower[TokenKindAt(i + 1)]) {
        if (style == STYLE_ArrayVar)
            ColorArrayVar(record, i, N, LineBase, style);
        else
            ColorVar(record, i, N, LineBase, style);
    } else {
        StyleRun(LineBase + token.StartPos, token.EndPos - token.StartPos, style);
    }
}
