#pragma once

// The hourglass for the application and, with an active editor, the
// editor's own wait cursor; EndWaitCursor brings both back.
void BeginWaitCursor();
void EndWaitCursor();

// The wait cursor for a scope, taken back on every way out of it.
class WaitCursorScope {
public:
    WaitCursorScope() { BeginWaitCursor(); }
    ~WaitCursorScope() { EndWaitCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};
