#include "build/BuildRun.h"

#include "build/CompilerErrorLine.h"
#include "build/ParseError.h"
#include "build/frmCompiling.h"
#include "build/frmOutput.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>

namespace {

// Progress steps of a compiler run: 0, 21, 42, 63, 84.
constexpr int kProgressStep = 21;
constexpr int kLastErrorProgress = 77;

bool isStepEcho(const QString& line) {
    return line.left(9) == QStringLiteral("Compiling") || line.left(8) == QStringLiteral("Creating");
}

bool isBanner(const QString& line) {
    return line.startsWith(QStringLiteral("BlitzCC")) || line.startsWith(QStringLiteral("(C)"));
}

}

BuildRun& BuildRun::of(frmDoc& doc) {
    if (auto* run = doc.findChild<BuildRun*>(QString(), Qt::FindDirectChildrenOnly))
        return *run;
    return *new BuildRun(doc);
}

BuildRun::BuildRun(frmDoc& doc) : QObject(&doc), doc_(doc) {
    platform::StdShell* shell = doc.ShellClass.get();
    connect(shell, &platform::StdShell::ConsoleOutput, this, &BuildRun::ShellClass_ConsoleOutput);
    connect(shell, &platform::StdShell::ConsoleError, this, &BuildRun::ShellClass_ConsoleError);
    connect(shell, &platform::StdShell::ProcessComplete, this, &BuildRun::ShellClass_ProcessComplete);
    connect(shell, &platform::StdShell::Error, this, &BuildRun::ShellClass_Error);
}

void BuildRun::begin(const QString& source, const QString& executable) {
    source_ = source;
    executable_ = executable;
    progress_ = 0;
}

void BuildRun::ShellClass_ConsoleOutput(const QString& Output) {
    if (Output.isEmpty())
        return;
    frmOutput& output = OutputWindow();
    if (isStepEcho(Output)) {
        output.AddText(Output);
        return;
    }
    const int v = progress_;
    if (!isBanner(Output)) {
        if (v > kLastErrorProgress) {
            CloseCompiling();
            progress_ = 0;
        } else {
            progress_ = v + kProgressStep;
            SetCompilingProgress(progress_);
        }
    }
    if (v >= 1 && v <= kLastErrorProgress && ReadCompilerErrorLine(Output)) {
        CloseCompiling();
        ParseError(Output, source_);
        SciGrabFocus();
        return;
    }
    output.AddText(Output);
}

void BuildRun::ShellClass_ConsoleError(const QString& Output) {
    OutputWindow().AddText(Output);
}

void BuildRun::ShellClass_ProcessComplete(int exitCode) {
    CloseCompiling();
    progress_ = 0;
    if (!executable_.isEmpty() && exitCode == 0 && QFileInfo(executable_).isFile()) {
        gLastCreatedExe = executable_;
        platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("gLastCreatedExe"), gLastCreatedExe);
    }
    executable_.clear();
    OutputWindow().MoveToEnd();
}

void BuildRun::ShellClass_Error(int ErrorNumber, const QString& ErrorMessage) {
    // Only a start failure is told: no completion follows it.
    if (ErrorNumber == platform::StdShell::kAlreadyRunning || ErrorNumber == platform::StdShell::kNothingToTerminate)
        return;
    CloseCompiling();
    progress_ = 0;
    OutputWindow().AddText(ErrorMessage);
}
