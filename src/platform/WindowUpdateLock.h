#pragma once

class QWidget;

// Freezes the drawing of one window at a time, as the desktop's own lock
// does: locking while another window is locked fails; null releases
// whatever is locked.
namespace platform {

bool LockWindowUpdate(QWidget* window);

// Locks the window for a scope and releases, on every way out, only a lock
// it took.
class ScopedWindowUpdateLock {
public:
    explicit ScopedWindowUpdateLock(QWidget* window) : locked_(window && LockWindowUpdate(window)) {}
    ~ScopedWindowUpdateLock() {
        if (locked_)
            LockWindowUpdate(nullptr);
    }
    ScopedWindowUpdateLock(const ScopedWindowUpdateLock&) = delete;
    ScopedWindowUpdateLock& operator=(const ScopedWindowUpdateLock&) = delete;

private:
    bool locked_;
};

}
