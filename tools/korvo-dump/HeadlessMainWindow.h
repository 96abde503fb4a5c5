#pragma once

#include "../support/ProgramHome.h"

#include <QString>

class frmMain;

// Korvo's main window started headless as Korvo starts, on the run folders,
// every compiler with the keywords of a listing ("" for the built-in ones).
// When it goes, its documents are marked unchanged, so that no file is
// written, and the window closes.
class HeadlessMainWindow {
public:
    HeadlessMainWindow() = default;
    ~HeadlessMainWindow();
    HeadlessMainWindow(const HeadlessMainWindow&) = delete;
    HeadlessMainWindow& operator=(const HeadlessMainWindow&) = delete;

    // False when it does not start (a message for the mode on stderr).
    bool start(const QString& keywords, const char* mode);
    frmMain& main() const { return *main_; }

private:
    RunFolders folders_;
    frmMain* main_ = nullptr;
};
