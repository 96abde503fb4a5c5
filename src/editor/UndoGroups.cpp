#include "editor/UndoGroups.h"

#include "editor/CurrentView.h"

#include <QHash>

namespace {
QHash<long, int>& openGroups() {
    static QHash<long, int> groups;
    return groups;
}
}

void SciBeginUndoAction() {
    if (!gSciWndData.isAlive())
        return;
    SciDirect(gSciWndData, QsciScintillaBase::SCI_BEGINUNDOACTION);
    ++openGroups()[gSciWndData.id()];
}

void SciEndUndoAction() {
    const auto open = openGroups().find(gSciWndData.id());
    if (open == openGroups().end())
        return;
    SciDirect(gSciWndData, QsciScintillaBase::SCI_ENDUNDOACTION);
    if (--*open == 0)
        openGroups().erase(open);
}

int OpenUndoGroups() {
    return openGroups().value(gSciWndData.id());
}

UndoActionScope::UndoActionScope() : view_(gSciWndData), begun_(gSciWndData.isAlive()) {
    SciBeginUndoAction();
}

UndoActionScope::~UndoActionScope() {
    if (!begun_)
        return;
    ScopedCurrentView view(view_);
    SciEndUndoAction();
}
