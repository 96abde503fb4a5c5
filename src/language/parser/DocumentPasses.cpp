#include "language/parser/DocumentPasses.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/WaitCursor.h"
#include "editor/frmDoc.h"
#include "explorer/CodeExplorer.h"
#include "files/OpenProjects.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/Colouring.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/ParsedStyles.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "language/parser/Unparse.h"
#include "language/colour/StyleRun.h"
#include "platform/KorvoError.h"

namespace {

const QString kModule = QStringLiteral("Mod_Parse");

// gParsingFile for the pass, cleared on every way out of it.
class ParsingFileScope {
public:
    ParsingFileScope() { gParsingFile = true; }
    ~ParsingFileScope() { gParsingFile = false; }
    ParsingFileScope(const ParsingFileScope&) = delete;
    ParsingFileScope& operator=(const ParsingFileScope&) = delete;
};

void startFromTheTop() {
    gCurrentFunction.clear();
    gCurrentType.clear();
    gFoldLevel = 0;
    gIndentLevel = 0;
}

// The parse gives the document its first styling: what it leaves alone is
// plain text until the colouriser gets to it.
void styleAllPlain() {
    OwnEdits ownEdits;
    StyleRun(0, SciGetLength(), 0);
    ParserStyles().startPlainDocument();
}

long lastLine() {
    return SciLineFromPosition(SciGetLength());
}

void renameIn(const clsHash& table, const QString& OldName, const QString& NewName) {
    if (table.Count() == 0)
        return;
    for (const CodeRecordPtr& record : table.Items())
        if (record && record->File == OldName)
            record->File = NewName;
}

}

void ParseFile() {
    try {
        if (!gActiveDoc)
            RaiseError(ErrObjectRequired, QStringLiteral("No active document"), kModule);
        ProjectPtr project = gProjects.Item(gActiveDoc->PrjName);
        if (!project)
            project = gProjects.Item(gActiveDoc->PrjFullPath);
        if (!project)
            RaiseError(ErrObjectRequired, QStringLiteral("The document's project is not open"), kModule);
        gActiveProject = project;
        startFromTheTop();
        styleAllPlain();
        const long last = lastLine();
        ParsingFileScope parsing;
        OwnEdits ownEdits;
        for (long line = 0; line <= last; ++line)
            Parseline(static_cast<int>(line), true);
    } catch (...) {
        SetErrorLog(QStringLiteral("ParseFile"), kModule);
    }
    ParserStyles().flush();
}

void UnParseFile() {
    try {
        WaitCursorScope waiting;
        startFromTheTop();
        const long last = lastLine();
        for (long line = 0; line <= last; ++line)
            UnparseLine(static_cast<int>(line), true);
        frmList::PuniLista();
    } catch (...) {
        SetErrorLog(QStringLiteral("UnParseFile"), kModule);
    }
}

void ReColorFile() {
    WaitCursorScope waiting;
    OwnEdits ownEdits;
    const long last = lastLine();
    for (long line = 0; line <= last; ++line)
        ReColorLine(static_cast<int>(line));
    if (gActiveDoc)
        gActiveDoc->m_oSubclass->mOldStartLine = -100;
}

void UpdateVarFileNames(const QString& OldName, const QString& NewName) {
    try {
        if (!gActiveProject)
            RaiseError(ErrObjectRequired, QStringLiteral("No active project"), QStringLiteral("Mod_Funkcii"));
        ClsProject& project = *gActiveProject;
        for (const clsHash* table : {&project.Globals, &project.Arrays, &project.Constants, &project.Funkcii, &project.Labels,
                               &project.Includes, &project.Types})
            renameIn(*table, OldName, NewName);
        for (const CodeRecordPtr& record : project.Funkcii.Items())
            if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
                renameIn(*function->Locals, OldName, NewName);
        for (const CodeRecordPtr& record : project.Types.Items())
            if (auto type = std::dynamic_pointer_cast<ClsType>(record))
                renameIn(*type->Fields, OldName, NewName);
        frmList::GlobalsProjectFullPath.clear();
        frmList::TypesProjectFullPath.clear();
        frmList::FunctionsProjectFullPath.clear();
        frmList::ConstantsProjectFullPath.clear();
        frmList::ArraysProjectFullPath.clear();
        frmList::LabelsProjectFullPath.clear();
        frmList::IncludesProjectFullPath.clear();
    } catch (...) {
        SetErrorLog(QStringLiteral("UpdateVarFileNames"), QStringLiteral("Mod_Funkcii"));
    }
}
