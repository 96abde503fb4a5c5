#include "language/parser/Unparse.h"

#include "editor/CurrentView.h"
#include "vocabulary/Markers.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationKinds.h"
#include "foundation/errors/ErrorLog.h"
#include "language/model/DeclarationParsing.h"
#include "language/model/DeclarationRecords.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/LineReading.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "language/parser/ScopeMoves.h"
#include "language/model/ScopeQueries.h"
#include "platform/KorvoError.h"

namespace {

const QString kModule = QStringLiteral("Mod_Parse");

// Every instance of the marker on the line.
void deleteMarkers(int line, int marker) {
    while (SciMarkerGet(line) & markerMask(marker))
        SciMarkerDelete(line, marker);
}

class LineUnparse {
public:
    LineUnparse(int line, bool inFilePass) : line_(line), inFilePass_(inFilePass) {}

    void run(const std::optional<QByteArray>& text);

private:
    void walkTokens();
    // False when token i is still to be examined.
    bool keyword();
    bool statement(const QString& word);
    void functionStatement();
    void endStatement();
    void typeStatement();
    // Takes the names of a Field, Dim, Global, Local or Const list out of their table.
    void declarationList(const DeclarationKind& kind);
    void removeOrphanField(const QString& name);
    // Steps over a function header as the parser reads it, parameters and all.
    void skipFunctionHeader();
    template <typename Remove>
    void eachListedName(bool arrays, Remove remove);

    bool recompute(const QString& cached) const { return !inFilePass_ || cached.isEmpty(); }

    const int line_;
    const bool inFilePass_;
    int count_ = 0;
    int i_ = 1;
    bool metType_ = false;
    bool metLocal_ = false;
    bool metFunction_ = false;
    frmDoc* doc_ = nullptr;
    CodeModel* project_ = nullptr;
};

void LineUnparse::run(const std::optional<QByteArray>& text) {
    doc_ = gActiveDoc.data();
    project_ = ActiveCodeModel();
    if (!doc_ || !project_)
        RaiseError(ErrObjectRequired, QStringLiteral("No active document or project"), kModule);
    doc_->m_oSubclass->RestyleOnNextRequest();

    if (text) {
        count_ = TokenizeLine(*text);
    } else {
        int length = 0;
        QString lineText;
        ReadLineIntoBuffer(line_, lineText, length);
        count_ = Tokenize(lineText, length);
    }

    for (int marker : {MARKER_MAINPROGRAM, MARKER_FOLDSTART, MARKER_FOLDEND, MARKER_BLOCK, MARKER_BREAKPOINT})
        deleteMarkers(line_, marker);
    walkTokens();
    deleteMarkers(line_, MARKER_PARSED);
    deleteMarkers(line_, MARKER_DECLARATION);
    if (metType_)
        deleteMarkers(line_, MARKER_TYPE);
    if (metLocal_)
        deleteMarkers(line_, MARKER_LOCAL);
    if (metFunction_)
        deleteMarkers(line_, MARKER_FUNCTION);
}

void LineUnparse::walkTokens() {
    while (i_ <= count_) {
        bool advance = true;
        const TokenRecord& t = gTokens[i_];
        if (t.Kind == tkIdent) {
            advance = keyword();
        } else if (t.Kind == '.' && i_ == 1 && gTokens[2].Kind == tkIdent) {
            project_->LabelsDirty = true;
            i_ = 2;
            project_->Labels.Remove(gTokens[2].Text, line_, gSciWndData);
        }
        if (advance)
            ++i_;
    }
}

bool LineUnparse::keyword() {
    if (i_ == count_ || !KeywordOfToken(i_))
        return true;
    const QString& word = gTokens[i_].Text;
    const TokenRecord& next = gTokens[i_ + 1];
    if (next.Kind == tkIdent)
        return statement(word);
    if (next.Kind == tkString && word == QLatin1String("Include") && !next.Text.isEmpty()) {
        ++i_;
        project_->Includes.Remove(next.Text, line_, gSciWndData);
        project_->IncludesDirty = true;
    }
    return true;
}

bool LineUnparse::statement(const QString& word) {
    if (word == QLatin1String("Function")) {
        functionStatement();
        return false;
    }
    if (word == QLatin1String("End")) {
        endStatement();
    } else if (word == QLatin1String("Type")) {
        typeStatement();
    } else if (const DeclarationKind* list = FindDeclarationList(word)) {
        declarationList(*list);
        return false;
    }
    return true;
}

void LineUnparse::functionStatement() {
    metFunction_ = true;
    project_->FunctionsDirty = true;
    ++i_;
    const QString name = gTokens[i_].Text;
    gCurrentFunction = CurrentFunction(line_ - 1);
    if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(project_->Funkcii.ItemHandle(name, line_, gSciWndData))) {
        // The parameters go with the function; its other locals now belong
        // to the scope around it.
        for (const CodeRecordPtr& local : function->Locals->Items())
            if (local && local->Handle != function->Handle)
                CurrentLocalsTable().Add(local->Ime, local);
    }
    project_->Funkcii.Remove(name, line_, gSciWndData);
    skipFunctionHeader();
}

void LineUnparse::skipFunctionHeader() {
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
        SkipVarDeclaration(i_, count_);
        if (gTokens[i_].Kind != ',')
            return;
    }
}

void LineUnparse::endStatement() {
    const TokenRecord& next = gTokens[i_ + 1];
    if (next.Text == QLatin1String("Function")) {
        metFunction_ = true;
        ++i_;
        if (recompute(gCurrentFunction))
            gCurrentFunction = CurrentFunction(line_ - 1);
        if (gCurrentFunction != kMainProgram) {
            const long limit = NextBoundary(line_ + 1, markerMask(MARKER_FUNCTION));
            MoveRecords(*project_->MainFunLocals, CurrentLocalsTable(), {line_, limit});
        }
    } else if (next.Text == QLatin1String("Type")) {
        metType_ = true;
        ++i_;
        if (recompute(gCurrentType))
            gCurrentType = CurrentType(line_ - 1);
        if (!gCurrentType.isEmpty() && gCurrentFields) {
            const long limit = NextBoundary(line_ + 1, markerMask(MARKER_TYPE));
            MoveRecords(doc_->tmpFields, *gCurrentFields, {line_, limit});
        }
    }
}

void LineUnparse::typeStatement() {
    metType_ = true;
    project_->TypesDirty = true;
    ++i_;
    const QString name = gTokens[i_].Text;
    gCurrentType = CurrentType(line_ - 1);
    if (auto type = std::dynamic_pointer_cast<ClsType>(project_->Types.ItemHandle(name, line_, gSciWndData))) {
        for (const CodeRecordPtr& field : type->Fields->Items()) {
            if (!field)
                continue;
            if (!gCurrentType.isEmpty() && gCurrentFields)
                gCurrentFields->Add(field->Ime, field);
            else
                doc_->tmpFields.insert(field->Handle, field);
        }
    }
    project_->Types.Remove(name, line_, gSciWndData);
}

void LineUnparse::declarationList(const DeclarationKind& kind) {
    project_->*kind.dirty = true;
    const bool arrays = kind.id == DeclarationKindId::Array;
    if (kind.table) {
        clsHash& table = project_->*kind.table;
        eachListedName(arrays, [this, &table](const QString& name) { table.Remove(name, line_, gSciWndData); });
    } else if (kind.id == DeclarationKindId::Local) {
        metLocal_ = true;
        if (recompute(gCurrentFunction))
            gCurrentFunction = CurrentFunction(line_ - 1);
        clsHash& table = CurrentLocalsTable();
        eachListedName(arrays, [this, &table](const QString& name) { table.Remove(name, line_, gSciWndData); });
    } else {
        if (recompute(gCurrentType))
            gCurrentType = CurrentType(line_ - 1);
        eachListedName(arrays, [this](const QString& name) {
            if (!gCurrentType.isEmpty() && gCurrentFields)
                gCurrentFields->Remove(name, line_, gSciWndData);
            else
                removeOrphanField(name);
        });
    }
}

void LineUnparse::removeOrphanField(const QString& name) {
    for (auto it = doc_->tmpFields.begin(); it != doc_->tmpFields.end(); ++it) {
        const CodeRecordPtr& field = it.value();
        if (field && field->Ime.compare(name, Qt::CaseInsensitive) == 0
            && SciMarkerLineFromHandle(field->SciWndData, field->Handle) == line_) {
            doc_->tmpFields.erase(it);
            return;
        }
    }
}

// Leaves i on the token that ended the list, which is examined next.
template <typename Remove>
void LineUnparse::eachListedName(bool arrays, Remove remove) {
    while (gTokens[i_ + 1].Kind == tkIdent) {
        ++i_;
        const QString name = gTokens[i_].Text;
        if (arrays)
            SkipArrayDeclaration(i_, count_);
        else
            SkipVarDeclaration(i_, count_);
        remove(name);
        if (gTokens[i_].Kind != ',')
            return;
    }
}

}

void UnparseLine(int Line, bool InFilePass, const std::optional<QByteArray>& Text) {
    try {
        LineUnparse(Line, InFilePass).run(Text);
    } catch (...) {
        SetErrorLog(QStringLiteral("UnparseLine"), kModule);
    }
}

void UnparseLineText(int Line, const QByteArray& Text) {
    UnparseLine(Line, false, Text);
}
