#include "shell/TabCommands.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "files/ProjectLoading.h"
#include "files/ProjectTreeHook.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/CtrlKeyState.h"
#include "platform/Host.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"
#include "shell/DocumentActivation.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/WindowKeys.h"

#include <QPointer>

QString gToggleDocWindowKey;

namespace {

dock::DocumentArea* documentArea() {
    dock::DockLayer* layer = dock::hostLayer();
    return layer ? &layer->documents() : nullptr;
}

QList<dock::DocumentWindow*> shownWindows(const dock::DocumentArea& area) {
    QList<dock::DocumentWindow*> shown;
    for (dock::DocumentWindow* window : area.windows())
        if (window->visible())
            shown.append(window);
    return shown;
}

// The shown window `step` places from the active one, wrapping round.
void activateNeighbour(dock::DocumentArea& area, int step) {
    const QList<dock::DocumentWindow*> shown = shownWindows(area);
    if (shown.size() < 2)
        return;
    const qsizetype at = shown.indexOf(area.active());
    const qsizetype count = shown.size();
    area.activate(*shown[((at < 0 ? 0 : at) + step + count) % count]);
}

}

void CloseFile() {
    dock::DocumentArea* area = documentArea();
    if (!area || !gActiveDoc)
        return;
    if (dock::DocumentWindow* window = area->find(gActiveDoc->FullFilename))
        area->setVisible(*window, false);
}

bool CloseAllFiles() {
    const platform::CodeExplorerRefillBatch refillOnce;
    try {
        dock::DocumentArea* area = documentArea();
        if (!area || !SaveChangedProjects())
            return false;
        for (const QPointer<dock::DocumentWindow>& window : area->guardedWindows()) {
            if (!window || window->nonDocument() || window->key() == kHelpWindowKey || !window->visible())
                continue;
            area->setVisible(*window, false);
            if (window && window->visible())
                return false;
        }
        for (int count = gProjects.Count(); count > 0; --count)
            gProjects.RemoveIndex(1);
        platform::refillCodeExplorer();
        PopulateTreeView();
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("CloseAllFiles"), QStringLiteral("Mod_MenuCommands"));
        return false;
    }
}

void NextFileTab() {
    try {
        dock::DocumentArea* area = documentArea();
        if (!area || shownWindows(*area).size() < 2)
            return;
        if (gTabbingStartsWithPrevious != 1) {
            activateNeighbour(*area, 1);
            return;
        }
        const platform::CtrlKeyState ctrl = platform::queryCtrlKey();
        const QString current = area->active() ? area->active()->key() : QString();
        const QString saved = gPreviousDocWindowKey;
        if (ctrl.down && ctrl.pressedSinceLastQuery) {
            if (gPreviousDocWindowKey != current)
                gToggleDocWindowKey = gPreviousDocWindowKey;
            else
                gPreviousDocWindowKey = gToggleDocWindowKey;
            dock::DocumentWindow* previous = area->find(gPreviousDocWindowKey);
            if (previous && previous->visible())
                area->activate(*previous);
            else
                activateNeighbour(*area, 1);
        } else {
            activateNeighbour(*area, 1);
        }
        if (ctrl.down && !ctrl.pressedSinceLastQuery)
            gPreviousDocWindowKey = saved;
    } catch (...) {
        SetErrorLog(QStringLiteral("NextFileTab"), QStringLiteral("Mod_MenuCommands"));
    }
}

void PreviousFileTab() {
    if (dock::DocumentArea* area = documentArea())
        activateNeighbour(*area, -1);
}

void ActivateListedWindow(const platform::CommandClick& click) {
    dock::DocumentArea* area = documentArea();
    if (!area || !click.entry)
        return;
    if (dock::DocumentWindow* window = area->find(click.entry->key))
        area->activate(*window);
}

void NewTabGroup(dock::TabGroupSide side) {
    dock::DocumentArea* area = documentArea();
    if (area && area->active())
        area->splitOff(*area->active(), side);
}
