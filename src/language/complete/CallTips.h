#pragma once

#include <QString>

// The call tip and the quick-help line for the call around the caret of the
// current view: the called keyword's or user function's parameters with the
// current argument highlighted. A line that begins with a block-closing
// keyword shows its block's opening line instead (ScopeDisplay.h).

// Finds the command whose argument list holds CaretPos on line Line.
// CommandName is left empty when there is none; IsFunction tells a user
// function from a keyword; ArgIndex is the argument from 1, or 0 on the
// name itself; ShowScope asks for the scope display instead. Returns the
// name's start within the line, from 1.
long ZemiHelp(bool& IsFunction, QString& CommandName, int& ArgIndex, long CaretPos, long Line, bool& ShowScope);

// Updates the call tip and the quick-help line for the caret. A call tip
// opens when the active document asked for one (its mShowCallTip, which
// this clears) and PopupCallTips is on; one already up follows the caret
// within its call and closes when the caret leaves it.
void ShowHelp(long CaretPos, long Line);

// The "Show Calltip" command.
void ShowCalltip();

// The call tip up in the current view as Korvo showed it last: its text
// and highlighted stretch; empty text when none is up.
struct ShownCallTip {
    QString text;
    long highlightStart = 0;
    long highlightEnd = 0;
};
const ShownCallTip& LastCallTip();
// Closes the current view's call tip.
void CancelCallTip();
