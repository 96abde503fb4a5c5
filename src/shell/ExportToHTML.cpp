#include "shell/HtmlExport.h"

#include "editor/CurrentView.h"
#include "editor/WaitCursor.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Prompt.h"
#include "platform/ShellOpen.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

QString exportStartPath(const frmDoc& doc) {
    const QString name = doc.Filename();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString htmlName = (dot < 0 ? name : name.left(dot)) + QStringLiteral(".html");
    const QFileInfo source(doc.FullFilename);
    return source.isAbsolute() ? QDir(source.path()).filePath(htmlName) : htmlName;
}

std::optional<QString> chooseExportPath(const frmDoc& doc) {
    return platform::chooseSaveFile(QStringLiteral("Export to HTML..."), exportStartPath(doc),
                                    QStringLiteral("HTML files (*.html *.htm)"));
}

void offerToOpen(const QString& path) {
    const int answer = platform::MsgBox(
        QStringLiteral("HTML file successfully created ! Would you like to open the created file now ?"),
        platform::vbYesNo + platform::vbQuestion, QStringLiteral("Export successful"));
    if (answer != platform::vbYes)
        return;
    platform::ShellRequest open;
    open.file = path;
    open.verb = QStringLiteral("open");
    platform::shellExecute(open);
}

}

QByteArray ActiveDocumentAsHtml() {
    if (!IsEditorActive())
        return QByteArray();
    WaitCursorScope waiting;
    ColorFileLight();
    return HtmlPage(gActiveDoc->Filename(), gColorStyle, TabValue);
}

void ExportToHTML() {
    try {
        if (!IsEditorActive())
            return;
        const std::optional<QString> path = chooseExportPath(*gActiveDoc);
        if (!path)
            return;
        if (!platform::writeFileBytesAtomically(*path, ActiveDocumentAsHtml())) {
            platform::MsgBox(QStringLiteral("The HTML file could not be written: ") + *path + QStringLiteral("\r\n") +
                                 platform::lastWriteFailure(),
                             platform::vbCritical);
            return;
        }
        offerToOpen(*path);
    } catch (...) {
        SetErrorLog(QStringLiteral("ExportToHTML"), QStringLiteral("Mod_MenuCommands"));
    }
}
