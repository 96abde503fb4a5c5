#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Input as a user gives it: real pointer and key events through the X
// server's test extension (xdotool), at the on-screen position of a widget,
// so that window-manager frames, overlays, focus and hit-testing all apply.
// Each pointer helper first checks that QApplication::widgetAt at the point
// is the widget meant, and returns false (with a test failure) when not.
namespace display {

// Processes events until the condition holds or the timeout passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 20000);

// The global position of a point of the widget (its centre by default).
QPoint screenPoint(const QWidget& widget, QPoint local = QPoint(-1, -1));
// Whether widgetAt(global) is the widget; adds a failure naming what is there if not.
bool expectWidgetAt(const QWidget& widget, QPoint global);

// Clicks with a button (1 left, 2 middle, 3 right) at a point of the
// widget, waiting until the release has arrived.
bool click(const QWidget& widget, QPoint local = QPoint(-1, -1), int button = 1);
bool doubleClick(const QWidget& widget, QPoint local = QPoint(-1, -1));
bool rightClick(const QWidget& widget, QPoint local = QPoint(-1, -1));
// Presses the left button at a point of one widget, moves in steps to a
// point of another and releases there, waiting at each step until the
// drag has reached the target.
bool drag(const QWidget& from, QPoint fromLocal, const QWidget& to, QPoint toLocal = QPoint(-1, -1));
// Moves the pointer without a button.
void movePointer(QPoint global);

// Types plain text, or a chord in xdotool's names ("ctrl+z", "Return"),
// to the window that has the keyboard focus, waiting until the keys arrived.
void typeText(const QString& text);
// Clicks at a point of the widget (its centre by default), then types there.
bool typeAt(const QWidget& widget, const QString& text, QPoint local = QPoint(-1, -1));
void keyChord(const QString& chord);

// Saves the whole screen as build/display-shots/NAME.png for a person to look at.
QString saveShot(const QString& name);

// Runs xdotool with the arguments; its standard output.
QString xdotool(const QStringList& arguments);

}
