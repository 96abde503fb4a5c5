#include "language/parser/DocumentPasses.h"

#include "language/editing/NotificationHandler.h"
#include "language/parser/FoldIndent.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "editor/WaitCursor.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/Colouring.h"
#include "language/colour/ColouringFlags.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationKinds.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/ParsedStyles.h"
#include "language/parser/Parser.h"
#include "language/parser/ParseState.h"
#include "language/parser/Unparse.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "vocabulary/Markers.h"
#include "vocabulary/StyleNumbers.h"

namespace {

const QString kModule = QStringLiteral("Mod_Parse");

// gParsingFile for the pass, cleared on every way out of it. Nothing in the
// pass folds a line away: when every line is shown as it starts, none needs
// showing until it ends.
// Each fold level the pass changes has the component redraw the margin from
// that line down, after a search of the line starts for where the line is on
// screen; while it highlights the current fold block it redraws the whole
// margin instead, without the search. Korvo's views never highlight blocks
// otherwise, and nothing is drawn during the pass.
class ParsingFileScope {
public:
    ParsingFileScope() {
        gParsingFile = true;
        gEveryLineShown = SciGetAllLinesVisible();
        SciMarkerEnableHighlight(true);
    }
    ~ParsingFileScope() {
        SciMarkerEnableHighlight(false);
        gParsingFile = false;
        gEveryLineShown = false;
    }
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
    static_assert(STYLE_Text == 0, "the parser's styles write plain text as style 0");
    ParserStyles().startPlainDocument();
}

long lastLine() {
    return SciLineFromPosition(SciGetLength());
}

}

void ParseFile() {
    try {
        if (!gActiveDoc)
            RaiseError(ErrObjectRequired, QStringLiteral("No active document"), kModule);
        if (!gActiveProject || gProjects.Item(gActiveDoc->PrjFullPath) != gActiveProject)
            RaiseError(ErrObjectRequired, QStringLiteral("The document's project is not active"), kModule);
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
    ParserStyles().endRun();
}

void ReparseFile() {
    CodeModel* model = ActiveCodeModel();
    if (!gActiveDoc || !model)
        return;
    frmDoc& doc = *gActiveDoc;
    doc.m_oSubclass->DeactivateCheck();
    ForgetDeclarationsOf(*model, gSciWndData);
    doc.tmpFields.clear();
    for (int marker : {MARKER_FUNCTION, MARKER_REPARSE, MARKER_TYPE, MARKER_PARSED, MARKER_FOLDSTART, MARKER_FOLDEND,
                       MARKER_DECLARATION, MARKER_LOCAL, MARKER_MAINPROGRAM, MARKER_BLOCK, MARKER_BREAKPOINT})
        SciMarkerDeleteAll(marker);
    ParseFile();
    doc.m_oSubclass->RestyleOnNextRequest();
    platform::host().refreshCodeExplorer();
}

void UnParseFile() {
    try {
        WaitCursorScope waiting;
        startFromTheTop();
        UnparseLines(0, lastLine(), false);
        platform::host().refreshCodeExplorer();
    } catch (...) {
        SetErrorLog(QStringLiteral("UnParseFile"), kModule);
    }
}

void ColorFileLight() {
    gCurrentFunction.clear();
    const long last = lastLine();
    for (long line = 0; line <= last; ++line)
        ColorLineLight(static_cast<int>(line), true);
}

void CollectReferencesInFile() {
    struct FindingUses {
        FindingUses() { gCollectReferences = gFindingUsesOnly = true; }
        ~FindingUses() { gCollectReferences = gFindingUsesOnly = false; }
        FindingUses(const FindingUses&) = delete;
        FindingUses& operator=(const FindingUses&) = delete;
    } finding;
    ColorFileLight();
}

void UpdateVarFileNames(const QString& OldName, const QString& NewName) {
    try {
        CodeModel* model = ActiveCodeModel();
        if (!model)
            RaiseError(ErrObjectRequired, QStringLiteral("No active project"), QStringLiteral("Mod_Funkcii"));
        UpdateVarFileNames(*model, OldName, NewName);
    } catch (...) {
        SetErrorLog(QStringLiteral("UpdateVarFileNames"), QStringLiteral("Mod_Funkcii"));
    }
}

void UpdateVarFileNames(CodeModel& model, const QString& OldName, const QString& NewName) {
    ForEachRecord(model, [&](CodeRecord& record) {
        if (record.File == OldName)
            record.File = NewName;
    });
    platform::host().invalidateCodeExplorer();
}
