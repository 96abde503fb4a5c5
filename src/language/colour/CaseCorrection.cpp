#include "language/colour/CaseCorrection.h"

#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/LineStyles.h"
#include "language/lexer/Lexer.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Respelling.h"
#include "platform/scintilla/PaintGuard.h"
#include "vocabulary/SettingsValues.h"

void FixTokenCase(const QString& Text, int i, int LineBase) {
    if (FixVariableCase == 0 || gFindingUsesOnly || i < 1 || i > kMaxTokens)
        return;
    const TokenRecord& token = gTokens[i];
    const long caret = SciGetCurrentPos() - LineBase;
    if (caret >= token.StartPos && caret <= token.EndPos)
        return;
    // Only a respelling of the same length: no position on the line moves.
    if (Text.size() != token.EndPos - token.StartPos || OpenUndoGroups() > 0)
        return;
    // A notification outside a paint comes from inside an edit of the
    // component, whose own undo group may be open: switching undo collection
    // would drop it, and its end would abort. The next paint respells the word.
    if (platform::paintWouldReenter() && !platform::insidePaint())
        return;
    LightLineStyles().textWillChange();
    const OwnEdits ownEdits;
    SciSetUndoCollection(false);
    SciSetTargetStart(LineBase + token.StartPos);
    SciSetTargetEnd(LineBase + token.EndPos);
    SciReplaceTarget(-1, Text);
    SciSetUndoCollection(true);
    FollowRespelling(int(SciLineFromPosition(LineBase + token.StartPos)), token.StartPos, Text);
}
