#include "editor/WaitCursor.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"

#include <QGuiApplication>

namespace {
constexpr long kSciCursorNormal = -1;
constexpr long kSciCursorWait = 4;
}

void BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (IsEditorActive())
        SciSetCursor(kSciCursorWait);
}

void EndWaitCursor() {
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (IsEditorActive())
        SciSetCursor(kSciCursorNormal);
}
