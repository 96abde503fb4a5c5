#include "language/parser/Unparse.h"

#include "editor/CurrentView.h"
#include "language/editing/NotificationHandler.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationKinds.h"
#include "language/model/DeclarationRecords.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/LineReading.h"
#include "language/parser/LineStatements.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "language/parser/ScopeMoves.h"
#include "language/model/ScopeQueries.h"
#include "platform/KorvoError.h"
#include "vocabulary/Markers.h"

#include <algorithm>
#include <vector>

namespace {

const QString kModule = QStringLiteral("Mod_Parse");

// Every instance of the marker on the line; held is what the line carried
// when its unparse began (an unparse adds no marker to its line), so that a
// marker the line never had costs no message.
void deleteMarkers(int line, int marker, long held) {
    if (held & markerMask(marker))
        SciMarkerDeleteEvery(line, marker);
}

// In a pass over a range of lines from its top, every line stands in the
// scope of the line above the range: the lines above it in the pass have
// lost their boundaries. So the scope found once is carried down, the type
// too when there is none, which its empty name alone cannot tell from unknown.
struct CarriedType {
    bool known = false;
};

class LineUnparse {
public:
    LineUnparse(int line, bool inFilePass, CarriedType* carried = nullptr)
        : line_(line), inFilePass_(inFilePass), carried_(carried) {}

    void run(const std::optional<QByteArray>& text);

private:
    void removeDeclaration(const LineDeclaration& declaration);
    void removeLocal(const QString& name);
    void removeField(const QString& name);
    bool removeOrphanField(const QString& name);
    void undoFunction(const QString& name);
    void undoEndFunction();
    void undoType(const QString& name);
    void undoEndType();
    // The records of this line's headers, which hold what the parser put
    // into them from this very line.
    template <typename Record>
    std::vector<std::shared_ptr<Record>> headersHere(Boundary kind, const clsHash& table) const;

    bool recompute(const QString& cached) const { return !inFilePass_ || cached.isEmpty(); }
    bool recomputeType() const { return recompute(gCurrentType) && !(inFilePass_ && carried_ && carried_->known); }
    void findType();

    const int line_;
    const bool inFilePass_;
    CarriedType* const carried_;
    std::vector<LineDeclaration> declarations_;
    std::vector<BoundaryStatement> boundaries_;
    frmDoc* doc_ = nullptr;
    CodeModel* project_ = nullptr;
};

void LineUnparse::run(const std::optional<QByteArray>& text) {
    doc_ = gActiveDoc.data();
    project_ = ActiveCodeModel();
    if (!doc_ || !project_)
        RaiseError(ErrObjectRequired, QStringLiteral("No active document or project"), kModule);
    doc_->m_oSubclass->RestyleOnNextRequest();

    int count = 0;
    if (text) {
        count = TokenizeLine(*text);
    } else {
        count = Tokenize(ReadLineBytes(line_));
    }

    const long held = SciMarkerGet(line_);
    for (int marker : {MARKER_MAINPROGRAM, MARKER_FOLDSTART, MARKER_FOLDEND, MARKER_BLOCK, MARKER_BREAKPOINT})
        deleteMarkers(line_, marker, held);
    // What the line declares is undone first, then its scope boundaries from
    // the last to the first, the inverse of the order in which the parser met them.
    LineStatements statements = ReadLineStatements(count, project_);
    declarations_ = std::move(statements.declarations);
    boundaries_ = std::move(statements.boundaries);
    for (const LineDeclaration& declaration : declarations_)
        removeDeclaration(declaration);
    for (auto it = boundaries_.rbegin(); it != boundaries_.rend(); ++it) {
        switch (it->kind) {
        case Boundary::Function:
            undoFunction(it->name);
            break;
        case Boundary::EndFunction:
            undoEndFunction();
            break;
        case Boundary::Type:
            undoType(it->name);
            break;
        case Boundary::EndType:
            undoEndType();
            break;
        }
    }

    deleteMarkers(line_, MARKER_PARSED, held);
    deleteMarkers(line_, MARKER_DECLARATION, held);
    const auto met = [this](auto predicate) {
        return std::any_of(boundaries_.begin(), boundaries_.end(), predicate);
    };
    if (met([](const BoundaryStatement& b) { return b.kind == Boundary::Type || b.kind == Boundary::EndType; }))
        deleteMarkers(line_, MARKER_TYPE, held);
    if (std::any_of(declarations_.begin(), declarations_.end(), [](const LineDeclaration& d) { return d.kind == DeclarationKindId::Local; }))
        deleteMarkers(line_, MARKER_LOCAL, held);
    if (met([](const BoundaryStatement& b) { return b.kind == Boundary::Function || b.kind == Boundary::EndFunction; }))
        deleteMarkers(line_, MARKER_FUNCTION, held);
}

template <typename Record>
std::vector<std::shared_ptr<Record>> LineUnparse::headersHere(Boundary kind, const clsHash& table) const {
    std::vector<std::shared_ptr<Record>> records;
    for (auto it = boundaries_.rbegin(); it != boundaries_.rend(); ++it)
        if (it->kind == kind)
            if (auto record = std::dynamic_pointer_cast<Record>(table.ItemHandle(it->name, line_, gSciWndData)))
                records.push_back(record);
    return records;
}

void LineUnparse::removeDeclaration(const LineDeclaration& declaration) {
    const QString& name = declaration.name;
    if (declaration.kind == DeclarationKindId::Local)
        removeLocal(name);
    else if (declaration.kind == DeclarationKindId::Field)
        removeField(name);
    else
        (project_->*declarationKind(declaration.kind).table).Remove(name, line_, gSciWndData);
}

// A function header on the line took the locals declared before it on the
// same line; otherwise they are in the scope the line stands in. Should a
// scope boundary typed elsewhere have left one in another scope, it is
// looked for there too: what the line declared must go with the line.
void LineUnparse::removeLocal(const QString& name) {
    for (const auto& function : headersHere<ClsFunkcija>(Boundary::Function, project_->Funkcii))
        if (function->Locals->Remove(name, line_, gSciWndData, function->Handle))
            return;
    if (recompute(gCurrentFunction))
        gCurrentFunction = CurrentFunction(line_ - 1);
    if (CurrentLocalsTable().Remove(name, line_, gSciWndData) || project_->MainFunLocals->Remove(name, line_, gSciWndData))
        return;
    for (const CodeRecordPtr& record : project_->Funkcii.Items())
        if (const auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            if (function->Locals->Remove(name, line_, gSciWndData, function->Handle))
                return;
}

void LineUnparse::removeField(const QString& name) {
    for (const auto& type : headersHere<ClsType>(Boundary::Type, project_->Types))
        if (type->Fields->Remove(name, line_, gSciWndData))
            return;
    if (recomputeType())
        findType();
    if (!gCurrentType.isEmpty() && gCurrentFields && gCurrentFields->Remove(name, line_, gSciWndData))
        return;
    if (removeOrphanField(name))
        return;
    for (const CodeRecordPtr& record : project_->Types.Items())
        if (const auto type = std::dynamic_pointer_cast<ClsType>(record))
            if (type->Fields->Remove(name, line_, gSciWndData))
                return;
}

void LineUnparse::findType() {
    gCurrentType = CurrentType(line_ - 1);
    if (carried_)
        carried_->known = true;
}

void LineUnparse::undoFunction(const QString& name) {
    if (recompute(gCurrentFunction))
        gCurrentFunction = CurrentFunction(line_ - 1);
    if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(project_->Funkcii.ItemHandle(name, line_, gSciWndData))) {
        // The parameters go with the function; its other locals now belong
        // to the scope around it.
        for (const CodeRecordPtr& local : function->Locals->Items())
            if (local && local->Handle != function->Handle)
                CurrentLocalsTable().Add(local->Ime, local);
    }
    project_->Funkcii.Remove(name, line_, gSciWndData);
}

void LineUnparse::undoEndFunction() {
    if (recompute(gCurrentFunction))
        gCurrentFunction = CurrentFunction(line_ - 1);
    if (gCurrentFunction != kMainProgram) {
        MoveRecords(*project_->MainFunLocals, CurrentLocalsTable(), ThroughNextBoundary(line_, markerMask(MARKER_FUNCTION)));
    }
}

void LineUnparse::undoType(const QString& name) {
    if (recomputeType())
        findType();
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

void LineUnparse::undoEndType() {
    if (recomputeType())
        findType();
    if (!gCurrentType.isEmpty() && gCurrentFields) {
        MoveRecords(doc_->tmpFields, *gCurrentFields, ThroughNextBoundary(line_, markerMask(MARKER_TYPE)));
    }
}

bool LineUnparse::removeOrphanField(const QString& name) {
    for (auto it = doc_->tmpFields.begin(); it != doc_->tmpFields.end(); ++it) {
        const CodeRecordPtr& field = it.value();
        if (field && field->Ime.compare(name, Qt::CaseInsensitive) == 0
            && SciMarkerLineFromHandle(field->SciWndData, field->Handle) == line_) {
            doc_->tmpFields.erase(it);
            return true;
        }
    }
    return false;
}

}

void UnparseLine(int Line, bool InFilePass, const std::optional<QByteArray>& Text) {
    try {
        LineUnparse(Line, InFilePass).run(Text);
    } catch (...) {
        SetErrorLog(QStringLiteral("UnparseLine"), kModule);
    }
}

void UnparseLines(long First, long Last, bool ParsedOnly) {
    if (First > Last)
        return;
    gCurrentFunction.clear();
    gCurrentType.clear();
    CarriedType carried;
    for (long line = First; line <= Last; ++line) {
        try {
            if (!ParsedOnly || (SciMarkerGet(line) & markerMask(MARKER_PARSED)))
                LineUnparse(int(line), true, &carried).run(std::nullopt);
        } catch (...) {
            SetErrorLog(QStringLiteral("UnparseLine"), kModule);
        }
    }
}

void UnparseWholeText() {
    CodeModel* model = ActiveCodeModel();
    if (!gActiveDoc || !model)
        return;
    gActiveDoc->m_oSubclass->RestyleOnNextRequest();
    ForgetDeclarationsOf(*model, gSciWndData);
    gActiveDoc->tmpFields.clear();
    gCurrentFunction.clear();
    gCurrentType.clear();
}

void UnparseLineText(int Line, const QByteArray& Text) {
    UnparseLine(Line, false, Text);
}
