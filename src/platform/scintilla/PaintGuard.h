#pragma once

// Painting a Scintilla view while another paint is open crashes Qt's raster
// engine ("endPaint() called with active painter"). A view's paint and the
// notifications it hands out open a scope; a paint asked for inside one is
// put off to the event loop and counted, so that tests can tell none was.
namespace platform {

// Open while a view paints.
class PaintScope {
public:
    PaintScope();
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
};

// Open while a view's notification is handled.
class NotificationScope {
public:
    NotificationScope();
    ~NotificationScope();
    NotificationScope(const NotificationScope&) = delete;
    NotificationScope& operator=(const NotificationScope&) = delete;
};

// True while a view paints.
bool insidePaint();
// True when a paint starting now would run inside an open paint, or inside a
// notification from the same event loop (a synchronous repaint).
bool paintWouldReenter();
// Records a paint that was put off for starting inside a paint or a notification.
void notePutOffPaint();
// How many paints were put off since the program started.
int reentrantPaints();

}
