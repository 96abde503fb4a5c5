#include "shell/LineMoves.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "language/editing/NotificationHandler.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/Colouring.h"
#include "language/parser/Unparse.h"
#include "vocabulary/Markers.h"

#include <QApplication>

namespace {

QByteArray lineWithoutEnd(long line) {
    gTextRange.cpMin = long(SciPositionFromLine(line));
    gTextRange.cpMax = long(SciGetLineEndPosition(line));
    SciGetTextRange(gTextRange);
    return gTextRange.lpstrText;
}

void replaceLineText(long line, const QByteArray& text) {
    SciSetSelectionStart(SciPositionFromLine(line));
    SciSetSelectionEnd(SciGetLineEndPosition(line));
    SciReplaceSel(text);
}

void swapLines(long line, long other) {
    const QByteArray lineText = lineWithoutEnd(line);
    const QByteArray otherText = lineWithoutEnd(other);
    UndoActionScope group;
    replaceLineText(other, lineText);
    replaceLineText(line, otherText);
}

// The line the handler held back for parsing moved down: forget what it
// declared and queue it for a fresh parse.
void queueHeldBackLine(long line) {
    if (!gActiveDoc || !gActiveDoc->m_oSubclass)
        return;
    cSubclass& subclass = *gActiveDoc->m_oSubclass;
    if (subclass.UnparsedLine != line)
        return;
    UnparseLineText(int(subclass.UnparsedLine), subclass.UnparsedText);
    subclass.ParseNeeded.add(int(SciMarkerAdd(line, MARKER_REPARSE)));
    subclass.UnparsedLine = -1;
}

}

void MoveCurrentLineUp() {
    try {
        SciAutoCCancel();
        const long line = long(SciLineFromPosition(SciGetCurrentPos()));
        if (line <= 0) {
            QApplication::beep();
            return;
        }
        const long offset = long(SciGetCurrentPos() - SciPositionFromLine(line));
        const long start = long(SciPositionFromLine(line - 1));
        swapLines(line, line - 1);
        ColorLineLight(int(line - 1), false);
        SciGotoPos(start + offset);
    } catch (...) {
        SetErrorLog(QStringLiteral("MoveCurrentLineUp"), QStringLiteral("Mod_MenuCommands"));
    }
}

void MoveCurrentLineDown() {
    try {
        SciAutoCCancel();
        const long line = long(SciLineFromPosition(SciGetCurrentPos()));
        if (line >= long(SciGetLineCount()) - 1) {
            QApplication::beep();
            return;
        }
        const long offset = long(SciGetCurrentPos() - SciPositionFromLine(line));
        swapLines(line, line + 1);
        ColorLineLight(int(line + 1), false);
        SciGotoPos(SciPositionFromLine(line + 1) + offset);
        queueHeldBackLine(line + 1);
    } catch (...) {
        SetErrorLog(QStringLiteral("MoveCurrentLineDown"), QStringLiteral("Mod_MenuCommands"));
    }
}
