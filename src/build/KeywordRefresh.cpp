#include "build/KeywordRefresh.h"
#include "build/ActiveCompiler.h"

#include "build/CompilerCommand.h"
#include "build/CompilerList.h"
#include "build/CompilerListFile.h"
#include "build/ShellAndWait.h"
#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "foundation/errors/WriteFailure.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/Compiler.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTemporaryFile>

namespace {

bool refreshWaiting = false;

QByteArray readTemporary(QTemporaryFile& file) {
    QByteArray bytes;
    platform::readFileBytes(file.fileName(), bytes);
    return bytes;
}

bool writeReportingFailure(const QString& path, const QByteArray& bytes) {
    if (platform::writeFileBytesAtomically(path, bytes))
        return true;
    ReportWriteFailure(path, QStringLiteral("RefreshDefinitions"), QStringLiteral("Mod_Compiler"));
    return false;
}

void reloadKeywords(const QString& compilerName) {
    const CompilerPtr compiler = gCompilers.Item(compilerName);
    if (!compiler) {
        LogNewErrorQuietly(ErrInvalidProcedureCall, QStringLiteral("No compiler named ") + compilerName,
                           QStringLiteral("RefreshDefinitions"), QStringLiteral("Mod_Compiler"));
        return;
    }
    if (!compiler->LoadKeywords() || compiler != gActiveCompiler)
        return;
    // The active keywords changed under the open document: it is parsed under the new ones.
    compiler->SetDefaultKeywords();
    if (IsEditorActive())
        ReparseFile();
}

QByteArray failureReport(const WaitedRun& run, const QByteArray& listing, const QByteArray& errorOutput) {
    QByteArray report = listing + errorOutput;
    if (!run.startFailure.isEmpty())
        report += run.startFailure.toUtf8() + "\r\n";
    else if (!run.endedInTime)
        report += QByteArray("Stopped after ") + QByteArray::number(kShellWaitMs) + " ms.\r\n";
    return report;
}

void regenerate(const QString& compilerName, const QString& compilerPath) {
    if (!IsValidCompilerName(compilerName))
        RaiseError(ErrInvalidProcedureCall, QStringLiteral("Not a compiler name: ") + compilerName);
    QTemporaryFile listingFile;
    QTemporaryFile errorFile;
    if (!listingFile.open() || !errorFile.open())
        RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error: ") + listingFile.fileTemplate());
    const WaitedRun run = ShellAndWait(CompilerCommand(compilerPath, {QStringLiteral("+k")}), listingFile.fileName(),
                                       errorFile.fileName());
    const QByteArray listing = readTemporary(listingFile);
    const QString keywordFile = KeywordFilePath(compilerName);
    const QString reportFile = keywordFile + QStringLiteral(".err");

    if (run.endedInTime && run.exitCode == 0 && listing.size() > kSmallestInvalidKeywordFile) {
        if (!writeReportingFailure(keywordFile, listing))
            return;
        QFile::remove(reportFile);
        reloadKeywords(compilerName);
        platform::MsgBox(QStringLiteral("Keyword definitions for this compiler successfully created !"),
                         platform::vbInformation | platform::vbOKOnly);
        return;
    }
    if (!writeReportingFailure(reportFile, failureReport(run, listing, readTemporary(errorFile))))
        return;
    platform::MsgBox(QStringLiteral(" Error while creating keyword definitions file !\r\n\r\n See ")
                         + QFileInfo(reportFile).absoluteFilePath() + QStringLiteral(" for details"),
                     platform::vbCritical | platform::vbOKOnly);
}

void recolourActiveDocument() {
    if (gActiveDoc)
        gActiveDoc->m_oSubclass->RestyleOnNextRequest();
}

}

bool CheckCompilerPath(const QString& Path) {
    const QString compiler = CompilerExecutable(Path);
    if (QFileInfo(compiler).isFile())
        return true;
    platform::MsgBox(QStringLiteral("Could not find compiler (blitzcc) on specified location: \r") + compiler
                         + QStringLiteral("\r Make sure you have selected correct Blitz Path and at least v1.78 of Blitz installed !"),
                     platform::vbExclamation | platform::vbOKOnly, QStringLiteral("Error"));
    return false;
}

void RefreshDefinitions(const QString& CompilerName, const QString& CompilerPath) {
    if (refreshWaiting)
        return;
    try {
        if (CheckCompilerPath(CompilerPath)) {
            const QScopedValueRollback waiting(refreshWaiting, true);
            regenerate(CompilerName, CompilerPath);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("RefreshDefinitions"), QStringLiteral("Mod_Compiler"));
    }
    recolourActiveDocument();
}
