#pragma once

#include <QRect>
#include <QString>

class QWidget;

// The main window's placement in a layout slot's section: frame geometry in
// twips and the window state (0 normal, 2 maximised; minimised is never
// stored).
struct WindowPlacement {
    QRect frameTwips;
    int state = 0;
};

// Slot 0 at start: defaults 1000, 1000, 8000, 7000 and maximised; a top or
// left within 300 twips of the screen's far edge (or beyond) becomes 1000.
WindowPlacement ReadStartPlacement(const QString& section, const QSize& screenTwips);
// Slots 1 to 3: defaults 5000, 1500, 7000, 6500 and normal, no correction.
WindowPlacement ReadSlotPlacement(const QString& section);
void ApplyPlacement(QWidget& window, const WindowPlacement& placement);
// Writes the four values of the frame as it is now, in any state.
void SaveBounds(const QString& section, const QWidget& window);
// Writes MainState, and the four values only when the state is normal.
void SavePlacement(const QString& section, const QWidget& window, int state);
