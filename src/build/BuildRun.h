#pragma once

#include <QObject>
#include <QString>

class frmDoc;

// A document's builds as they run: takes its runner's events, moves the
// progress window on, writes to the output window, hands compile errors to
// ParseError and records a created executable.
class BuildRun : public QObject {
    Q_OBJECT
public:
    // The document's handler, attached to its runner by the first call.
    static BuildRun& of(frmDoc& doc);

    // The next run compiles source; a non-empty executable is recorded
    // when that run makes it.
    void begin(const QString& source, const QString& executable);

private:
    explicit BuildRun(frmDoc& doc);

    void ShellClass_ConsoleOutput(const QString& Output);
    void ShellClass_ConsoleError(const QString& Output);
    void ShellClass_ProcessComplete(int exitCode);
    void ShellClass_Error(int ErrorNumber, const QString& ErrorMessage);

    frmDoc& doc_;
    QString source_;
    QString executable_;
    // How far the run has come, by the lines it printed: the compiler's
    // error lines come only after its first step. The progress window
    // shows it and may be closed by the user meanwhile.
    int progress_ = 0;
};
