#include "platform/scintilla/HiddenLines.h"

#include <Qsci/qsciscintillabase.h>

namespace {

using S = QsciScintillaBase;

long ask(QsciScintillaBase& view, unsigned int message, long wParam = 0, long lParam = 0) {
    return view.SendScintilla(message, static_cast<unsigned long>(wParam), lParam);
}

bool visible(QsciScintillaBase& view, long line) {
    return ask(view, S::SCI_GETLINEVISIBLE, line) != 0;
}

bool isHeader(QsciScintillaBase& view, long line) {
    return ask(view, S::SCI_GETFOLDLEVEL, line) & S::SC_FOLDLEVELHEADERFLAG;
}

bool isCollapsedHeader(QsciScintillaBase& view, long line) {
    return isHeader(view, line) && !ask(view, S::SCI_GETFOLDEXPANDED, line);
}

long levelNumber(QsciScintillaBase& view, long line) {
    return ask(view, S::SCI_GETFOLDLEVEL, line) & S::SC_FOLDLEVELNUMBERMASK;
}

// Shows the lines from `first` to the end of the hidden run it is in; the
// headers among them are open, as their lines now are.
void showRunFrom(QsciScintillaBase& view, long first) {
    const long lines = ask(view, S::SCI_GETLINECOUNT);
    long last = first;
    while (last + 1 < lines && !visible(view, last + 1))
        ++last;
    for (long line = first; line <= last; ++line) {
        if (isCollapsedHeader(view, line))
            ask(view, S::SCI_SETFOLDEXPANDED, line, 1);
    }
    ask(view, S::SCI_SHOWLINES, first, last);
}

// The visible line above a hidden one, -1 when none is.
long visibleLineAbove(QsciScintillaBase& view, long hidden) {
    const long display = ask(view, S::SCI_VISIBLEFROMDOCLINE, hidden);
    return display > 0 ? ask(view, S::SCI_DOCLINEFROMVISIBLE, display - 1) : -1;
}

// A hidden line is held by the visible line above it when that line is a
// collapsed header whose block reaches down to it; otherwise it shows, with
// the rest of its run.
void holdOrShow(QsciScintillaBase& view, long hidden) {
    const long above = visibleLineAbove(view, hidden);
    if (above >= 0 && isCollapsedHeader(view, above)) {
        if (levelNumber(view, hidden) <= levelNumber(view, above))
            showRunFrom(view, hidden);
        return;
    }
    // A line that lost its header flag while collapsed keeps no collapsed state.
    if (above >= 0 && !ask(view, S::SCI_GETFOLDEXPANDED, above))
        ask(view, S::SCI_SETFOLDEXPANDED, above, 1);
    showRunFrom(view, above + 1);
}

bool hiddenLine(QsciScintillaBase& view, long line) {
    return line >= 0 && line < ask(view, S::SCI_GETLINECOUNT) && !visible(view, line);
}

}

namespace hiddenlines {

void openFoldsAboutToGo(QsciScintillaBase& view, long first, long last) {
    if (ask(view, S::SCI_GETALLLINESVISIBLE))
        return;
    // From the top, so that an outer fold opens before the headers it hid
    // are looked at. A header still hidden lies inside a fold that stays, but
    // its line may be shown before the text goes (the caret's line is), and
    // the line it is joined to would take over its hidden block: it is marked
    // open, and what it hid shows with the fold around it.
    for (long line = first; line <= last; ++line) {
        if (!isCollapsedHeader(view, line))
            continue;
        if (!visible(view, line)) {
            ask(view, S::SCI_SETFOLDEXPANDED, line, 1);
            continue;
        }
        ask(view, S::SCI_FOLDLINE, line, S::SC_FOLDACTION_EXPAND);
        // Opening shows the block the levels tell of; what was hidden past it is held by nothing.
        const long blockEnd = ask(view, S::SCI_GETLASTCHILD, line, -1);
        for (const long after : {line + 1, blockEnd + 1}) {
            if (hiddenLine(view, after))
                holdOrShow(view, after);
        }
    }
}

void foldLevelChanged(QsciScintillaBase& view, long line) {
    if (ask(view, S::SCI_GETALLLINESVISIBLE) || line < 0 || line >= ask(view, S::SCI_GETLINECOUNT))
        return;
    if (!visible(view, line)) {
        holdOrShow(view, line);
        return;
    }
    if (!hiddenLine(view, line + 1))
        return;
    if (!isCollapsedHeader(view, line)) {
        holdOrShow(view, line + 1);
        return;
    }
    // A collapsed header whose level rose holds less of the run below it.
    const long level = levelNumber(view, line);
    const long lines = ask(view, S::SCI_GETLINECOUNT);
    for (long below = line + 1; below < lines && !visible(view, below); ++below) {
        if (levelNumber(view, below) <= level) {
            showRunFrom(view, below);
            return;
        }
    }
}

}
