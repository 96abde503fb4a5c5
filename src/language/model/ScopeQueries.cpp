#include "language/model/ScopeQueries.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "language/lexer/CharTables.h"
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

// Only blanks lie between two light tokens: the full tokenizer, which the
// parser reads, would make the skipped characters tokens of their own.
bool adjacent(const TokenRecord& first, const TokenRecord& second) {
    for (int pos = first.EndPos; pos < second.StartPos; ++pos)
        if (!gIsBlank[gLightBuffer[pos]])
            return false;
    return true;
}

// The scope boundaries of one line, as the parser reads them: the names
// after `keyword` (case as written, the keyword and the name next to each
// other), and whether the line's last boundary closes the scope.
struct LineBoundaries {
    QStringList headers;
    bool closes = false;
};

LineBoundaries boundariesOf(int line, const QString& keyword) {
    LineBoundaries found;
    const QByteArray text = lineTextAsParsed(line);
    if (text.isEmpty())
        return found;
    const int count = TokenizeLightLine(text);
    for (int k = 1; k < count; ++k) {
        const TokenRecord& word = gLightTokens[k];
        const TokenRecord& next = gLightTokens[k + 1];
        if (word.Kind != tkIdent || next.Kind != tkIdent || !adjacent(word, next))
            continue;
        if (word.Text == QLatin1String("End") && next.Text == keyword) {
            found.closes = true;
            ++k;
        } else if (word.Text == keyword) {
            found.headers << next.Text;
            found.closes = false;
            ++k;
        }
    }
    return found;
}

// Walks up the boundaries of `mask` from Line to the nearest header line
// whose record is in the table. Of several headers on one line the last
// counts, as it does for the lines the parser reads after it. Returns null
// when a line whose last boundary is an End, a line without header or the
// top comes first; `name` is then a header's name that the table holds
// under another line, if any.
CodeRecordPtr enclosingRecord(int Line, int mask, const QString& keyword, const clsHash& table, QString& name) {
    for (int h = SciMarkerPrevious(Line, mask); h >= 0; h = SciMarkerPrevious(h - 1, mask)) {
        const LineBoundaries boundaries = boundariesOf(h, keyword);
        if (boundaries.closes || boundaries.headers.isEmpty())
            return nullptr;
        const QStringList& headers = boundaries.headers;
        for (qsizetype k = headers.size() - 1; k >= 0; --k) {
            if (!table.ExistsOnlyHash(headers[k]))
                continue;
            if (CodeRecordPtr record = table.ItemHandle(headers[k], h, gSciWndData)) {
                name = headers[k];
                return record;
            }
            if (name.isEmpty())
                name = headers[k];
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
                const QStringList names = boundariesOf(h, QStringLiteral("Function")).headers;
                return names.isEmpty() ? kMainProgram : names.first();
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
