#pragma once

#include <QKeySequence>

// The events of the docking layer, all delivered to one handler: the host
// window's. Cancellable events carry a cancel flag that the handler sets to
// stop what the layer was about to do.
namespace dock {

class Command;
class DocumentWindow;
class DockWindow;

// Where a click on a document window landed.
enum HitArea { HitClient = 1, HitTab = 3 };

class DockEvents {
public:
    virtual ~DockEvents() = default;

    // A menu entry, button, combo choice, list entry or shortcut; a list
    // command carries its clicked entry.
    virtual void CommandClick(Command&) {}
    // Text typed into an editable combo and confirmed with Enter.
    virtual void ComboTextEntered(Command&) {}
    virtual void ShortcutAboutToRun(Command&, const QKeySequence&, bool& /*cancel*/) {}
    // A layout gave the shortcut to two commands, which would run neither:
    // the first keeps it and the second has lost it.
    virtual void ShortcutTakenTwice(Command& /*kept*/, Command& /*dropped*/, const QString& /*shortcut*/) {}

    virtual void DocumentWindowActivate(DocumentWindow&) {}
    virtual void DocumentWindowDeactivate(DocumentWindow&) {}
    // Before a document window goes; cancel keeps it.
    virtual void DocumentWindowHiding(DocumentWindow&, bool& /*cancel*/) {}
    // After it went; the handler removes it when it is done with it.
    virtual void DocumentWindowClosed(DocumentWindow&) {}
    virtual void DocumentWindowContextClick(DocumentWindow&, HitArea, bool& /*cancel*/) {}
    virtual void DocumentWindowDblClick(DocumentWindow&, HitArea, bool& /*cancel*/) {}
    // No document window is active any more.
    virtual void NoActiveDocument() {}

    virtual void DockWindowShown(DockWindow&) {}
    virtual void DockWindowHidden(DockWindow&) {}
    virtual void DockWindowMoveBegin(DockWindow&) {}
    virtual void DockWindowMoveEnd() {}

    virtual void CustomizationBegin() {}
    virtual void CustomizationEnd() {}
};

}
