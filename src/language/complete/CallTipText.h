#pragma once

#include <QString>

struct ClsBBFunkcija;
struct ClsFunkcija;

// A call's parameter list cut round the current argument: Head holds the
// name and the parameters before it, Current the argument itself, Tail the
// rest with the closing bracket.
struct CallTipText {
    QString Head;
    QString Current;
    QString Tail;

    QString whole() const { return Head + Current + Tail; }
};

// ArgIndex from 1; 0, or one beyond the parameters, highlights nothing.
CallTipText KeywordCallTip(const ClsBBFunkcija& keyword, int ArgIndex);
// A parameter with a default value shows in square brackets.
CallTipText FunctionCallTip(const ClsFunkcija& function, int ArgIndex);
