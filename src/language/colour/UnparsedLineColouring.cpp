#include "language/colour/Colouring.h"

#include "editor/CurrentView.h"
#include "language/model/CodeModel.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/NameLookup.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "language/model/DeclarationParsing.h"
#include "language/model/DeclarationRecords.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"

namespace {

// Whether the locals, globals or functions hold the name.
bool declared(const QString& word, int Line, bool Sequential) {
    const QString upper = word.toUpper();
    const int hash = HashCodeNoCase(word);
    if (gCurrentFunction.isEmpty() || !Sequential)
        gCurrentFunction = CurrentFunction(Line);
    return CurrentLocalsTable().Exists(upper, hash) || ActiveCodeModel()->Globals.Exists(upper, hash) ||
           ActiveCodeModel()->Funkcii.Exists(upper, hash);
}

void keywordContext(int& i, int Line) {
    const QString& word = gTokens[i].Text();
    const QString& next = gTokens[i + 1].Text();
    CodeModel& project = *ActiveCodeModel();
    if (word == QLatin1String("Function")) {
        if (!project.Funkcii.ExistsOnlyHash(next)) {
            // Only at the line's start is the word surely a header to the parser; further on an
            // initialiser or a declared name may hold it.
            if (i == 1)
                SetStopErrorLog(11781);
            return;
        }
        gCurrentFunction = next;
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(project.Funkcii.ItemHandle(next, Line, gSciWndData)))
            gCurrentLocals = function->Locals;
    } else if (word == QLatin1String("End") && next == QLatin1String("Function")) {
        ++i;
        gCurrentFunction.clear();
    }
}

}

void ColorUnparsedLineLight(int Line, bool Sequential, const QByteArray& Text) {
    if (!ActiveCodeModel())
        return;
    const bool ignoring = gIgnoreSciModified;
    gIgnoreSciModified = true;
    try {
        const int count = TokenizeLine(Text);
        for (int i = 1; i <= count; ++i) {
            if (gTokens[i].Kind != tkIdent)
                continue;
            if (FindKeyword(PrepareName(gTokens[i].Text()))) {
                if (Sequential && gTokens[i + 1].Kind == tkIdent)
                    keywordContext(i, Line);
            } else if (declared(gTokens[i].Text(), Line, Sequential) && gIsNameFollower[gTokens[i + 1].Kind]) {
                SkipVarDeclaration(i, count);
                --i;
            }
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ColorUnparsedLineLight"), QStringLiteral("Mod_Parse"));
    }
    gIgnoreSciModified = ignoring;
}
