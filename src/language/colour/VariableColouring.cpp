#include "language/colour/VariableColouring.h"

#include "editor/SciWrappers.h"
#include "language/model/CodeModel.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/BracketStack.h"
#include "language/colour/CaseCorrection.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/NameLookup.h"
#include "language/colour/StyleRun.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "language/model/DeclarationRecords.h"

namespace {

const QString kModule = QStringLiteral("Mod_Parse");

// Where a run that ends on token i ends.
int tokenEnd(int i) {
    const TokenRecord& t = gTokens[i];
    return t.Kind == tkIdent ? t.EndPos : t.StartPos + 1;
}

void respell(const QString& spelling, int i, int LineBase) {
    if (gTokens[i].Text() != spelling)
        FixTokenCase(spelling, i, LineBase);
}

// The tables keep their records while a line is coloured (respelling
// changes no table), so a use of a name holds no share of them.
const ClsType* knownType(const QString& name) {
    return ExistsName(ActiveCodeModel()->Types, name) ? dynamic_cast<const ClsType*>(gFoundItem.get()) : nullptr;
}

void colourUse(CodeRecord* Record, int& i, int N, int LineBase, int Style, bool dimArray, const char* procedure);

// One use of a name, walked from the name to the end of its chain.
class NameUse {
public:
    NameUse(TypedRecord* record, int& i, int N, int LineBase, int Style, bool dimArray)
        : record_(record), i_(i), n_(N), lineBase_(LineBase), style_(Style), dimArray_(dimArray),
          runStart_(gTokens[i].StartPos) {}

    void colour();

private:
    enum class Step { Follow, Finish, Index, Field, Done };

    Step follow();
    Step typePart();
    Step index();
    Step field();
    Step finish() { return dimArray_ || record_->IsBBArray ? Step::Index : (styleRun(), Step::Done); }
    void styleRun();
    long caret() const { return SciGetCurrentPos(); }

    TypedRecord* record_;
    int& i_;
    const int n_;
    const int lineBase_;
    const int style_;
    const bool dimArray_;
    int runStart_;
    bool pending_ = true;
};

void NameUse::colour() {
    Step step = Step::Follow;
    while (step != Step::Done)
        step = step == Step::Follow ? follow() : step == Step::Finish ? finish() : step == Step::Index ? index() : field();
}

void NameUse::styleRun() {
    if (pending_)
        StyleRun(lineBase_ + runStart_, tokenEnd(i_) - runStart_, style_);
    pending_ = false;
}

NameUse::Step NameUse::follow() {
    if (i_ == n_)
        return Step::Done;
    const unsigned char next = TokenKindAt(i_ + 1);
    if (gSuffixTip[next] != 0 && gSuffixTip[next] == record_->Tip) {
        ++i_;
        return Step::Finish;
    }
    if (record_->Tip == TipCustom && next == '\\')
        return !dimArray_ && record_->IsBBArray ? Step::Index : Step::Field;
    if (record_->Tip == TipCustom && next == '.')
        return typePart();
    return Step::Finish;
}

// ".Type" after a name: the type joins the run when it is the declared one.
NameUse::Step NameUse::typePart() {
    ++i_;
    if (TokenKindAt(i_ + 1) != tkIdent) {
        if (caret() == lineBase_ + gTokens[i_].StartPos + 1 && gCharAdded)
            AutocompleteType();
        return Step::Finish;
    }
    const ClsType* type = knownType(record_->Tajp);
    if (type && type->Ime != record_->Tajp)
        record_->Tajp = type->Ime;
    if (gTokens[i_ + 1].Text().compare(record_->Tajp, Qt::CaseInsensitive) != 0) {
        if (CompletionDueAt(lineBase_ + gTokens[i_ + 1].EndPos))
            AutocompleteType();
        return Step::Finish;
    }
    ++i_;
    if (type)
        respell(type->Ime, i_, lineBase_);
    const bool fieldNext = TokenKindAt(i_ + 1) == '\\';
    if (dimArray_)
        return fieldNext ? Step::Field : Step::Index;
    if (record_->IsBBArray)
        return Step::Index;
    return fieldNext ? Step::Field : Step::Finish;
}

NameUse::Step NameUse::index() {
    const unsigned char open = dimArray_ ? '(' : '[';
    const unsigned char close = dimArray_ ? ')' : ']';
    styleRun();
    if (TokenKindAt(i_ + 1) != open)
        return Step::Done;
    ++i_;
    OpenBracket(lineBase_ + gTokens[i_].StartPos, static_cast<char>(open));
    while (TokenKindAt(i_ + 1) != close && i_ < n_) {
        ++i_;
        ColorTokenLight(i_, n_, lineBase_);
    }
    if (TokenKindAt(i_ + 1) == close && i_ < n_) {
        ++i_;
        CloseBracket(lineBase_ + gTokens[i_].StartPos, static_cast<char>(close));
    }
    if (record_->Tip == TipCustom && TokenKindAt(i_ + 1) == '\\') {
        runStart_ = gTokens[i_ + 1].StartPos;
        pending_ = true;
        return Step::Field;
    }
    return Step::Done;
}

// "\field" after a name of a custom type; chains go on from the field.
NameUse::Step NameUse::field() {
    ++i_;
    if (TokenKindAt(i_ + 1) != tkIdent) {
        if (caret() == lineBase_ + gTokens[i_].StartPos + 1 && gCharAdded)
            if (const ClsType* type = knownType(record_->Tajp))
                AutocompleteBackSlash(*type, QString());
        return Step::Finish;
    }
    ++i_;
    const ClsType* type = knownType(record_->Tajp);
    if (!type) {
        // The caller meets the "\" as a stray suffix.
        i_ -= 2;
        if (!dimArray_)
            styleRun();
        return Step::Done;
    }
    const TokenRecord& name = gTokens[i_];
    if (!ExistsName(*type->Fields, name.Text())) {
        if (caret() == lineBase_ + name.EndPos && gCharAdded)
            AutocompleteBackSlash(*type, name.Text());
        --i_;
        return Step::Finish;
    }
    TypedRecord* fieldRecord = gFoundItem ? gFoundItem->AsTyped() : nullptr;
    if (!fieldRecord)
        return Step::Finish;
    respell(fieldRecord->Ime, i_, lineBase_);
    if (dimArray_ && TokenKindAt(i_ + 1) == '[') {
        StyleRun(lineBase_ + runStart_, name.StartPos - runStart_, style_);
        colourUse(fieldRecord, i_, n_, lineBase_, style_, false, "ColorVar");
        return Step::Done;
    }
    record_ = fieldRecord;
    return gIsNameFollower[TokenKindAt(i_ + 1)] ? Step::Follow : Step::Finish;
}

void colourUse(CodeRecord* Record, int& i, int N, int LineBase, int Style, bool dimArray, const char* procedure) {
    try {
        TypedRecord* record = Record ? Record->AsTyped() : nullptr;
        if (!record) {
            StyleRun(LineBase + gTokens[i].StartPos, gTokens[i].EndPos - gTokens[i].StartPos, Style);
            return;
        }
        NameUse(record, i, N, LineBase, Style, dimArray).colour();
    } catch (...) {
        SetErrorLog(QLatin1String(procedure), kModule);
    }
}

}

void ColorVar(const CodeRecordPtr& Record, int& i, int N, int LineBase, int Style) {
    colourUse(Record.get(), i, N, LineBase, Style, false, "ColorVar");
}

void ColorArrayVar(const CodeRecordPtr& Record, int& i, int N, int LineBase, int Style) {
    colourUse(Record.get(), i, N, LineBase, Style, true, "ColorArrayVar");
}

void ColorBadVar(int& i, int N, int LineBase, int Style) {
    try {
        const int start = gTokens[i].StartPos;
        int end = tokenEnd(i);
        while (i < N) {
            const TokenRecord& next = gTokens[i + 1];
            if (next.StartPos != end || (next.Kind != tkIdent && !gIsSuffixChar[next.Kind]))
                break;
            ++i;
            end = tokenEnd(i);
        }
        StyleRun(LineBase + start, end - start, Style);
    } catch (...) {
        SetErrorLog(QStringLiteral("ColorBadVar"), kModule);
    }
}
