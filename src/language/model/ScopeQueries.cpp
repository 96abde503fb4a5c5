#include "language/model/ScopeQueries.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "language/lexer/Lexer.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationRecords.h"
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

// The name after the first `keyword` (case as written) that a name
// follows, on a boundary line; "" when the line holds none.
QString headerName(int line, const QString& keyword) {
    const QByteArray text = lineTextAsParsed(line);
    if (text.isEmpty())
        return QString();
    const int count = TokenizeLightLine(text);
    for (int k = 1; k <= count; ++k)
        if (gLightTokens[k].Kind == tkIdent && gLightTokens[k].Text == keyword && gLightTokens[k + 1].Kind == tkIdent)
            return gLightTokens[k + 1].Text;
    return QString();
}

// Walks up the boundaries of `mask` from Line to the nearest header whose
// name the table holds. Returns the record on that header line, or null
// when an End line, a line without header or the top comes first; `name`
// is the header's name when the table holds it.
CodeRecordPtr enclosingRecord(int Line, int mask, const QString& keyword, const clsHash& table, QString& name) {
    for (int h = SciMarkerPrevious(Line, mask); h >= 0 && !isEndLine(h); h = SciMarkerPrevious(h - 1, mask)) {
        const QString header = headerName(h, keyword);
        if (header.isEmpty())
            return nullptr;
        if (table.ExistsOnlyHash(header)) {
            name = header;
            return table.ItemHandle(header, h, gSciWndData);
        }
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
            enclosingRecord(Line, kFunctionBoundaryMask, QStringLiteral("Function"), activeProject().Funkcii, name));
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
            enclosingRecord(Line, kTypeBoundaryMask, QStringLiteral("Type"), activeProject().Types, name));
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
                const QString name = headerName(h, QStringLiteral("Function"));
                return name.isEmpty() ? kMainProgram : name;
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
