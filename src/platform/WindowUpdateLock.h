#pragma once

class QWidget;

// Freezes the drawing of one window at a time, as the desktop's own lock
// does: locking while another window is locked fails; null releases
// whatever is locked.
namespace platform {

bool LockWindowUpdate(QWidget* window);

}
