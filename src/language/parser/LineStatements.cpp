#include "language/parser/LineStatements.h"

#include "language/keywords/BlockEnds.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/SavedTokenizerState.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationParsing.h"
#include "language/parser/Parser.h"

#include <algorithm>

namespace {

// i is the current token; a step that consumed tokens leaves i on the last
// of them, or on a token still to examine.
class StatementWalk {
public:
    StatementWalk(int count, CodeModel* dirty) : count_(count), dirty_(dirty) {}

    LineStatements run();

private:
    // False when token i is still to be examined.
    bool keyword();
    bool statement(const QString& word);
    void functionStatement();
    void endStatement();
    // Steps over a function header as the parser reads it, parameters and all.
    void skipFunctionHeader();
    void declarationList(const DeclarationKind& kind);
    void markDirty(bool CodeModel::*table) const {
        if (dirty_)
            dirty_->*table = true;
    }

    const int count_;
    CodeModel* const dirty_;
    int i_ = 1;
    LineStatements found_;
};

LineStatements StatementWalk::run() {
    while (i_ <= count_) {
        bool advance = true;
        const TokenRecord& t = gTokens[i_];
        if (t.Kind == tkIdent) {
            advance = keyword();
        } else if (t.Kind == '.' && i_ == 1 && gTokens[2].Kind == tkIdent) {
            markDirty(&CodeModel::LabelsDirty);
            i_ = 2;
            found_.declarations.push_back({DeclarationKindId::Label, gTokens[2].Text(), 2});
        }
        if (advance)
            ++i_;
    }
    return std::move(found_);
}

bool StatementWalk::keyword() {
    if (i_ == count_)
        return true;
    const KeywordPtr keyword = KeywordOfToken(i_);
    if (!keyword)
        return true;
    // The parser reads a keyword in its listed spelling, whatever the line's
    // spelling: a later recolouring may have respelled it after a function of that name.
    const QString& word = keyword->Ime;
    const TokenRecord& next = gTokens[i_ + 1];
    if (next.Kind == tkIdent)
        return statement(word);
    if (next.Kind == tkString && word == QLatin1String("Include") && !next.Text().isEmpty()) {
        ++i_;
        found_.declarations.push_back({DeclarationKindId::Include, next.Text(), i_});
        markDirty(&CodeModel::IncludesDirty);
    }
    return true;
}

bool StatementWalk::statement(const QString& word) {
    if (word == QLatin1String("Function")) {
        functionStatement();
        return false;
    }
    if (word == QLatin1String("End")) {
        endStatement();
    } else if (word == QLatin1String("Type")) {
        markDirty(&CodeModel::TypesDirty);
        ++i_;
        found_.boundaries.push_back({Boundary::Type, gTokens[i_].Text(), i_});
    } else if (const DeclarationKind* list = FindDeclarationList(word)) {
        markDirty(list->dirty);
        declarationList(*list);
        return false;
    }
    return true;
}

void StatementWalk::functionStatement() {
    markDirty(&CodeModel::FunctionsDirty);
    ++i_;
    found_.boundaries.push_back({Boundary::Function, gTokens[i_].Text(), i_});
    skipFunctionHeader();
}

void StatementWalk::skipFunctionHeader() {
    ++i_;
    const int kind = gTokens[i_].Kind;
    if (kind == '#' || kind == '$' || kind == '%') {
        ++i_;
    } else if (kind == '.' && gTokens[i_ + 1].Kind == tkIdent) {
        i_ += 2;
    }
    if (gTokens[i_].Kind != '(')
        return;
    while (i_ < count_ && gTokens[i_ + 1].Kind == tkIdent) {
        ++i_;
        found_.parameters.push_back({found_.boundaries.size() - 1, i_});
        SkipVarDeclaration(i_, count_);
        if (gTokens[i_].Kind != ',')
            return;
    }
}

void StatementWalk::endStatement() {
    const BlockEnd* end = FindBlockEnd(gTokens[i_ + 1].Text());
    if (!end)
        return;
    if (end->block == EndedBlock::Function) {
        ++i_;
        found_.boundaries.push_back({Boundary::EndFunction, QString()});
    } else if (end->block == EndedBlock::Type) {
        ++i_;
        found_.boundaries.push_back({Boundary::EndType, QString()});
    }
}

// Leaves i on the token that ended the list, which is examined next.
void StatementWalk::declarationList(const DeclarationKind& kind) {
    while (gTokens[i_ + 1].Kind == tkIdent) {
        ++i_;
        found_.declarations.push_back({kind.id, gTokens[i_].Text(), i_});
        if (kind.id == DeclarationKindId::Array)
            SkipArrayDeclaration(i_, count_);
        else
            SkipVarDeclaration(i_, count_);
        if (gTokens[i_].Kind != ',')
            return;
    }
}

}

LineStatements ReadLineStatements(int count, CodeModel* dirty) {
    return StatementWalk(count, dirty).run();
}

std::vector<BoundaryStatement> BoundariesOfText(const QByteArray& text) {
    const SavedTokenizerState saved(static_cast<int>(text.size()));
    return ReadLineStatements(TokenizeLine(text)).boundaries;
}
