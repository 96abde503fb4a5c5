#pragma once

#include <QString>

// What the find dialog asks for, as one value: the search engine reads it
// afresh at every step, so tests drive the engine without widgets.
struct FindOptions {
    enum Scope { CurrentFile = 0, CurrentProject = 1, AllFiles = 2, Selection = 3 };
    enum Start { Top = 0, Cursor = 1 };

    int SearchIn = CurrentFile;
    int StartAt = Cursor;
    bool MatchCase = false;
    bool WholeWord = false;
    bool WordStart = false;
    bool RegExp = false;
    QString FindText;
    QString ReplaceText;

    // Scintilla's search flags: whole word 2, match case 4, word start
    // 0x100000, regular expression 0x200000.
    long SearchFlags() const {
        return (WholeWord ? 2 : 0) | (MatchCase ? 4 : 0) | (WordStart ? 0x100000 : 0) | (RegExp ? 0x200000 : 0);
    }
};
