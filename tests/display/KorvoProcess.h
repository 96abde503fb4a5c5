#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// The korvo program started as a user starts it, on the display of the
// tests, with this process's environment (so KorvoTest's program and
// settings folders) and a working folder of the test's choice.
class KorvoProcess {
public:
    explicit KorvoProcess(const QString& workingFolder, const QStringList& arguments = {});
    ~KorvoProcess();

    // Waits until the main window is mapped; false when the process ended
    // first or it never showed.
    bool waitForMainWindow();
    // The main window's client area as the X server has it.
    QRect clientGeometry() const;
    // The window manager's frame around it; empty while it has none.
    QRect frameGeometry() const;
    // Closes the main window with the window manager's Close (Alt+F4) and
    // waits for the process to end; true when it ended normally with 0.
    bool closeAndWait();
    // Waits for the process to end by itself; true when it ended normally with 0.
    bool endsByItself(int timeoutMs);
    // What the process wrote to its error output, and how it ended.
    QString report();

private:
    QProcess process_;
    QString window_;
};
