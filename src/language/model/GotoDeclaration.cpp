#include "language/model/GotoDeclaration.h"

#include "editor/CurrentView.h"
#include "editor/DocumentWindows.h"
#include "editor/Navigation.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/model/CodeModel.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/ParseState.h"
#include "platform/AnsiText.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/StyleNumbers.h"

namespace {

// The table that the colour of a name at Line points to; null for any
// other colour.
clsHash* tableOfStyle(CodeModel& model, int style, long line) {
    switch (style) {
    case STYLE_Function: return &model.Funkcii;
    case STYLE_GlobalVar: return &model.Globals;
    case STYLE_LocalVar:
        gCurrentFunction = CurrentFunction(int(line));
        return gCurrentLocals.get();
    case STYLE_Constant: return &model.Constants;
    case STYLE_Label: return &model.Labels;
    case STYLE_ArrayVar: return &model.Arrays;
    default: return nullptr;
    }
}

void rememberCaret() {
    if (CBrowserRememberOnGotoDefinition == 0)
        return;
    const long caret = SciGetCurrentPos();
    CheckCBrowser(caret, SciLineFromPosition(caret));
}

}

void GotoDeclaration() {
    try {
        CodeModel* model = ActiveCodeModel();
        if (!IsEditorActive() || !model)
            return;
        const long caret = SciGetCurrentPos();
        TextRange word{long(SciWordStartPosition(caret, true)), long(SciWordEndPosition(caret, true)), {}};
        SciGetTextRange(word);
        if (word.lpstrText.isEmpty())
            return;
        clsHash* table = tableOfStyle(*model, int(SciGetStyleAt(word.cpMin)), SciLineFromPosition(caret));
        if (!table || !table->ExistsHash(platform::fromAnsi(word.lpstrText)))
            return;
        const CodeRecordPtr record = gFoundItem;
        rememberCaret();
        if (!(record->SciWndData == gSciWndData)) {
            frmDoc* declaring = DocumentOfView(record->SciWndData);
            if (!declaring || !ActivateDocumentWindow(*declaring))
                return;
        }
        const long line = SciMarkerLineFromHandle(record->Handle);
        if (line < 0)
            return;
        GotoLineShow(line);
        rememberCaret();
    } catch (...) {
        SetErrorLog(QStringLiteral("GotoDeclaration"), QStringLiteral("Mod_SciFun"));
    }
}
