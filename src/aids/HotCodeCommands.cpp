#include "aids/HotCodeCommands.h"

#include "aids/EditorDialogs.h"
#include "aids/FrmHotCodes.h"
#include "aids/FrmHotCodesEdit.h"
#include "aids/HotCodeStore.h"
#include "editor/CurrentView.h"
#include "editor/DocumentLineEnds.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"

void ApplyHotCode() {
    try {
        if (!IsEditorActive())
            return;
        const long caret = SciGetCurrentPos();
        const long start = SciWordStartPosition(caret, true);
        const long end = SciWordEndPosition(caret, true);
        gTextRange.cpMin = start;
        gTextRange.cpMax = end;
        SciGetTextRange(gTextRange);
        const QString word = platform::fromAnsi(gTextRange.lpstrText);
        if (word.isEmpty() || !gHotCodeNames.Exist_Key(word))
            return;
        SciAutoCCancel();
        SciSetSelectionStart(start);
        SciSetSelectionEnd(end);
        SciReplaceSel(InDocumentLineEnds(platform::toAnsi(gHotCodeTexts.Item(word))));
    } catch (...) {
    }
}

void HotCodeForSelection() {
    HotCodeEdit edit;
    if (IsEditorActive() && SciGetSelectionStart() < SciGetSelectionEnd())
        edit.Text = platform::fromAnsi(SciGetSelText());
    if (ShowHotCodesEdit(DialogOwner(), edit))
        SaveHotcodes();
    FocusEditor();
}

void EditHotCodes() {
    try {
        ShowHotCodes(DialogOwner());
    } catch (...) {
        SetErrorLog(QStringLiteral("EditHotCodes"), QStringLiteral("Mod_MenuCommands"));
    }
    FocusEditor();
}
