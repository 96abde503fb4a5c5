#pragma once

#include "platform/scintilla/SciNotification.h"
#include "platform/scintilla/SciView.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

// The receiver of one view's notifications. Attaching it to a view routes
// every notification of that view, and of no other, to WindowProc.
class cViewSubclass : public QObject {
    Q_OBJECT
public:
    cViewSubclass() = default;
    ~cViewSubclass() override;

    // Attaches to the view; a view already attached (to this or another
    // object) is left as it is. A null view does nothing.
    void SubClass(SciView* view);
    // Detaches; does nothing when not attached or when the view is gone.
    void UnSubClass();

    // Every notification of the attached view arrives here.
    virtual void WindowProc(const SciNotification& scn) = 0;

    // The object attached to a view, or null.
    static cViewSubclass* FromView(const SciView* view);

protected:
    // The text of the key being pressed: notifications before an insertion
    // carry no text, and typing is told apart by it.
    const QByteArray& pressedKeyText() const { return mKeyText; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void routeNotifications(SciView* view);

    QPointer<SciView> mHwnd;
    QByteArray mKeyText;
};
