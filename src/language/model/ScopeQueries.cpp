#include "language/model/ScopeQueries.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "language/editing/NotificationHandler.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/LineStatements.h"
#include "language/parser/ParseState.h"
#include "platform/KorvoError.h"
#include "vocabulary/Markers.h"

namespace {

constexpr long kFunctionBoundaryMask = markerMask(MARKER_FUNCTION);
constexpr long kTypeBoundaryMask = markerMask(MARKER_TYPE);
constexpr long kFoldEndMarkerBit = markerMask(MARKER_FOLDEND);

bool isEndLine(int line) {
    return (SciMarkerGet(line) & kFoldEndMarkerBit) != 0;
}

// A line as the code model knows it: the line under edit keeps the text it
// had when it was last parsed.
QByteArray lineTextAsParsed(int line) {
    const cSubclass* subclass = gActiveDoc ? gActiveDoc->m_oSubclass.get() : nullptr;
    if (subclass && subclass->UnparsedLine == line)
        return subclass->UnparsedText;
    return SciGetLineText(line);
}

// The boundaries of one scope kind on a line, as the parser read them.
std::vector<BoundaryStatement> boundariesOf(int line, Boundary header, Boundary end) {
    const QByteArray text = lineTextAsParsed(line);
    if (text.isEmpty())
        return {};
    std::vector<BoundaryStatement> found = BoundariesOfText(text);
    std::erase_if(found, [&](const BoundaryStatement& b) { return b.kind != header && b.kind != end; });
    return found;
}

// Walks up the boundaries of `mask` from Line to the nearest header whose
// record is in the table; on a line with several boundaries the last counts,
// as it does for the lines the parser reads after it. Returns null when an
// End, a boundary line without header or the top comes first; `name` is then
// a header's name that the table holds under another line, if any.
CodeRecordPtr enclosingRecord(int Line, int mask, Boundary header, Boundary end, const clsHash& table, QString& name) {
    for (int h = SciMarkerPrevious(Line, mask); h >= 0; h = SciMarkerPrevious(h - 1, mask)) {
        const std::vector<BoundaryStatement> boundaries = boundariesOf(h, header, end);
        if (boundaries.empty())
            return nullptr;
        for (auto it = boundaries.rbegin(); it != boundaries.rend(); ++it) {
            if (it->kind == end)
                return nullptr;
            if (!table.ExistsOnlyHash(it->name))
                continue;
            if (CodeRecordPtr record = table.ItemHandle(it->name, h, gSciWndData)) {
                name = it->name;
                return record;
            }
            if (name.isEmpty())
                name = it->name;
        }
        if (!name.isEmpty())
            return nullptr;
    }
    return nullptr;
}

const CodeModel& activeProject() {
    const CodeModel* model = ActiveCodeModel();
    if (!model)
        RaiseError(ErrObjectRequired, QStringLiteral("Object required: no active project"));
    return *model;
}

void reportMissingRecord(const QString& name, const QString& procedure) {
    LogNewError(ErrInvalidProcedureCall, QStringLiteral("No declaration of ") + name + QStringLiteral(" on its header line"), procedure,
                QStringLiteral("Mod_Parse"));
}

}

QString CurrentFunction(int Line) {
    try {
        QString name;
        const auto function = std::dynamic_pointer_cast<ClsFunkcija>(
            enclosingRecord(Line, kFunctionBoundaryMask, Boundary::Function, Boundary::EndFunction, activeProject().Funkcii, name));
        if (function) {
            gCurrentLocals = function->Locals;
            return name;
        }
        if (!name.isEmpty()) {
            reportMissingRecord(name, QStringLiteral("CurrentFunction"));
            return name;
        }
        gCurrentLocals = activeProject().MainFunLocals;
        return kMainProgram;
    } catch (...) {
        SetErrorLog(QStringLiteral("CurrentFunction"), QStringLiteral("Mod_Parse"));
        return QString();
    }
}

QString CurrentType(int Line) {
    try {
        QString name;
        const auto type = std::dynamic_pointer_cast<ClsType>(
            enclosingRecord(Line, kTypeBoundaryMask, Boundary::Type, Boundary::EndType, activeProject().Types, name));
        if (type) {
            gCurrentFields = type->Fields;
            return name;
        }
        if (!name.isEmpty())
            reportMissingRecord(name, QStringLiteral("CurrentType"));
        return name;
    } catch (...) {
        SetErrorLog(QStringLiteral("CurrentType"), QStringLiteral("Mod_Parse"));
        return QString();
    }
}

QString CurrentFunctionForDisplay(int Line) {
    try {
        int n = Line;
        while (true) {
            const int h = SciMarkerPrevious(n, kFunctionBoundaryMask);
            if (h < 0)
                return kMainProgram;
            if (!isEndLine(h)) {
                for (const BoundaryStatement& boundary : boundariesOf(h, Boundary::Function, Boundary::EndFunction))
                    if (boundary.kind == Boundary::Function)
                        return boundary.name;
                return kMainProgram;
            }
            // An End Function line shows the function it closes.
            if (h != n)
                return kMainProgram;
            n = h - 1;
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("CurrentFunctionForDisplay"), QStringLiteral("Mod_Parse"));
        return kMainProgram;
    }
}
