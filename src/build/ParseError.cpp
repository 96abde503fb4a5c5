#include "build/ParseError.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerErrorLine.h"
#include "build/frmOutput.h"
#include "editor/ActiveDocument.h"
#include "editor/DocumentWindows.h"
#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

namespace {

QString absoluteErrorFile(const QString& file, const QString& compiledSource) {
    if (compiledSource.isEmpty() || QFileInfo(file).isAbsolute())
        return file;
    return QDir::cleanPath(QFileInfo(compiledSource).absolutePath() + QLatin1Char('/') + file);
}

// The open document of the path, activated, or the file opened; null when
// neither is possible.
frmDoc* showDocument(const QString& path) {
    try {
        platform::host().activateDocumentWindow(path);
    } catch (const KorvoError& error) {
        if (error.number != 50000)
            throw;
        OpenFile(path, false, false);
    }
    frmDoc* doc = DocumentOfWindow(path);
    if (doc && doc != gActiveDoc)
        ActivateDocument(doc);
    return doc;
}

// The caret position of the error in the current view, kept inside the
// document; p0 receives the start of its line.
long errorPosition(long line, long column, long& p0) {
    const long lastLine = long(SciGetLineCount()) - 1;
    const long zeroBasedLine = std::clamp(line - 1, 0L, std::max(lastLine, 0L));
    p0 = long(SciPositionFromLine(zeroBasedLine));
    const long lineEnd = long(SciGetLineEndPosition(zeroBasedLine));
    return std::clamp(p0 + column - 1, p0, lineEnd);
}

}

QString TemporarySourcePath() {
    return platform::programSubfolder(QStringLiteral("Temp")) + QStringLiteral("/New.bb");
}

void ParseError(const QString& Line, const QString& compiledSource) {
    try {
        const std::optional<CompilerErrorLine> error = ReadCompilerErrorLine(Line);
        if (!error)
            RaiseError(ErrTypeMismatch, QStringLiteral("Not a compile error line: ") + Line);
        QString fileName = absoluteErrorFile(error->file, compiledSource);
        if (gActiveProject && !gActiveProject->SingleFile && gActiveProject->Sources.Exist_Key(fileName))
            fileName = gActiveProject->Sources.Item(fileName)->FullFilename;

        frmDoc* doc = gActiveDoc;
        if (!doc)
            RaiseError(ErrObjectRequired, QStringLiteral("No document to show the error in"));
        if (IsUntitledKey(doc->FullFilename)) {
            // Its text was compiled from the temporary source; another file's
            // error is not its own.
            if (QFileInfo(fileName) != QFileInfo(TemporarySourcePath())) {
                OutputWindow().AddText(Line);
                return;
            }
        } else if (fileName != doc->FullFilename) {
            doc = showDocument(fileName);
        }

        const QPointer<frmDoc> shown = doc;
        long p0 = 0;
        long pos = 0;
        if (doc) {
            pos = errorPosition(error->line, error->column, p0);
            SciGotoPos(pos);
            if (pos > p0)
                SciSetSel(p0, pos);
            else
                SciSetSel(p0, p0 + long(SciLineLength(SciLineFromPosition(p0))));
        }
        const QString line = QString::number(error->line);
        const QString column = QString::number(error->column);
        frmOutput& output = OutputWindow();
        output.AddText(QStringLiteral("Compile Error In Line: ") + line + QStringLiteral(", Column: ") + column
                       + QStringLiteral(" -->  ") + error->message);
        output.MoveToEnd();
        const QString compilerName = gActiveCompiler ? gActiveCompiler->Name : QString();
        platform::MsgBox(error->message + QStringLiteral("\r\n\r\nFile: ") + fileName + QStringLiteral("\r\n\r\nLine: ")
                             + line + QStringLiteral(", Column: ") + column + QLatin1Char(' '),
                         platform::vbCritical | platform::vbOKOnly, compilerName + QStringLiteral(" Compiling Error"));
        if (shown && shown == gActiveDoc) {
            SciSetSel(pos, pos);
            SciGrabFocus();
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ParseError"), QStringLiteral("Mod_Compiler"));
    }
}
