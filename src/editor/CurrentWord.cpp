#include "editor/CurrentWord.h"

#include "editor/SciWrappers.h"
#include "platform/AnsiText.h"

QString GetCurrentWord() {
    const long caret = SciGetCurrentPos();
    gTextRange.cpMin = SciWordStartPosition(caret, true);
    gTextRange.cpMax = SciWordEndPosition(caret, true);
    SciGetTextRange(gTextRange);
    return platform::fromAnsi(gTextRange.lpstrText);
}
