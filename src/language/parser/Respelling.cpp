#include "language/parser/Respelling.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "language/colour/ExpressionColouring.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/SavedTokenizerState.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationKinds.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/LineStatements.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/Markers.h"

namespace {

bool onLine(const CodeRecord& record, int line) {
    return SciMarkerLineFromHandle(record.SciWndData, record.Handle) == line;
}

class Respelling {
public:
    Respelling(int line, int startPos, const QString& spelling, CodeModel& project, frmDoc& doc)
        : line_(line), startPos_(startPos), spelling_(spelling), project_(project), doc_(doc) {}

    void declaration(const LineDeclaration& declaration) {
        if (const CodeRecordPtr record = recordOf(declaration))
            follow(*record, declaration.at);
    }

    void header(const BoundaryStatement& header, const std::vector<HeaderParameter>& parameters, std::size_t index) {
        clsHash& table = header.kind == Boundary::Function ? project_.Funkcii : project_.Types;
        const CodeRecordPtr record = table.ItemHandle(header.name, line_, gSciWndData);
        if (!record)
            return;
        follow(*record, header.at);
        const auto function = std::dynamic_pointer_cast<ClsFunkcija>(record);
        if (!function)
            return;
        const int open = afterSuffix(header.at);
        if (gTokens[open].Kind == '(')
            patch(function->Help, gTokens[open].StartPos + 1);
        for (const HeaderParameter& parameter : parameters) {
            if (parameter.header != index)
                continue;
            const CodeRecordPtr local = function->Locals->ItemHandle(gTokens[parameter.at].Text(), line_, gSciWndData);
            if (local && local->Handle == function->Handle)
                follow(*local, parameter.at);
        }
    }

private:
    // The token after a name's type suffix or custom type.
    static int afterSuffix(int name) {
        const int next = TokenKindAt(name + 1);
        if (next == '#' || next == '$' || next == '%')
            return name + 2;
        if (next == '.' && TokenKindAt(name + 2) == tkIdent)
            return name + 3;
        return name + 1;
    }

    // The text taken from the line from `from` on, when the respelled word lies inside it.
    void patch(QString& text, int from) const {
        if (startPos_ >= from && startPos_ - from + spelling_.size() <= text.size())
            text.replace(startPos_ - from, spelling_.size(), spelling_);
    }

    void follow(CodeRecord& record, int name) const {
        if (gTokens[name].StartPos == startPos_)
            record.Ime = spelling_;
        auto* typed = dynamic_cast<TypedRecord*>(&record);
        if (!typed)
            return;
        if (typed->Tip == TipCustom && TokenKindAt(name + 1) == '.' && gTokens[name + 2].StartPos == startPos_)
            typed->Tajp = spelling_;
        const int open = afterSuffix(name);
        if (!typed->ArraySize().isEmpty() && (TokenKindAt(open) == '[' || TokenKindAt(open) == '(')) {
            QString brackets = typed->ArraySize();
            patch(brackets, gTokens[open].StartPos);
            typed->SetArraySize(brackets);
        }
    }

    CodeRecordPtr recordOf(const LineDeclaration& declaration) const {
        const QString& name = declaration.name;
        switch (declaration.kind) {
        case DeclarationKindId::Local: {
            if (CodeRecordPtr record = project_.MainFunLocals->ItemHandle(name, line_, gSciWndData))
                return record;
            for (const CodeRecordPtr& item : project_.Funkcii.Items())
                if (const auto function = std::dynamic_pointer_cast<ClsFunkcija>(item))
                    if (CodeRecordPtr record = function->Locals->ItemHandle(name, line_, gSciWndData))
                        if (record->Handle != function->Handle)
                            return record;
            return {};
        }
        case DeclarationKindId::Field: {
            for (const CodeRecordPtr& item : project_.Types.Items())
                if (const auto type = std::dynamic_pointer_cast<ClsType>(item))
                    if (CodeRecordPtr record = type->Fields->ItemHandle(name, line_, gSciWndData))
                        return record;
            for (const CodeRecordPtr& field : doc_.tmpFields)
                if (field && field->Ime.compare(name, Qt::CaseInsensitive) == 0 && onLine(*field, line_))
                    return field;
            return {};
        }
        default:
            return (project_.*declarationKind(declaration.kind).table).ItemHandle(name, line_, gSciWndData);
        }
    }

    const int line_;
    const int startPos_;
    const QString& spelling_;
    CodeModel& project_;
    frmDoc& doc_;
};

}

void FollowRespelling(int Line, int StartPos, const QString& Spelling) {
    const int markers = SciMarkerGet(Line);
    if (!(markers & markerMask(MARKER_PARSED)) || !(markers & kRecordMarkers))
        return;
    frmDoc* doc = gActiveDoc.data();
    CodeModel* project = ActiveCodeModel();
    if (!doc || !project)
        return;
    const QByteArray text = SciGetLineText(Line);
    const SavedTokenizerState saved(static_cast<int>(text.size()));
    const LineStatements statements = ReadLineStatements(TokenizeLine(text));
    Respelling respelling(Line, StartPos, Spelling, *project, *doc);
    for (const LineDeclaration& declaration : statements.declarations)
        respelling.declaration(declaration);
    for (std::size_t k = 0; k < statements.boundaries.size(); ++k) {
        const BoundaryStatement& boundary = statements.boundaries[k];
        if (boundary.kind == Boundary::Function || boundary.kind == Boundary::Type)
            respelling.header(boundary, statements.parameters, k);
    }
}
