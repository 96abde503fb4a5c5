#include "files/CommandLineFiles.h"

#include "editor/SciWrappers.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/ProjectCompiler.h"
#include "files/SingleFileDocument.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/Prompt.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"

#include <QFileInfo>

namespace {

bool isLineSwitch(const QString& argument) {
    return argument.startsWith(QStringLiteral("/L:"), Qt::CaseInsensitive);
}

void openFile(dock::DockLayer& layer, const QString& path) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (dock::DocumentWindow* open = layer.documents().find(fullPath)) {
        layer.documents().activate(*open);
        return;
    }
    if (QFileInfo(fullPath).isDir()) {
        platform::MsgBox(QStringLiteral("File: ") + path + QStringLiteral(" is a folder, not a file !"));
        return;
    }
    QByteArray bytes;
    if (!QFileInfo(fullPath).isFile() || !platform::readFileBytes(fullPath, bytes)) {
        platform::MsgBox(QStringLiteral("File: ") + path + QStringLiteral(" does not exists !"));
        return;
    }
    frmDoc* doc = OpenSingleFileDocument(fullPath, bytes).release();
    if (gActiveProject)
        ActivateProjectCompiler(*gActiveProject);
    ParseFile();
    SciEmptyUndoBuffer();
    SciSetSavePoint();
    SciGotoPos(0);
    doc->SubClass();
    doc->m_strDocumentWindowID = fullPath;
    layer.documents().add(doc->Filename(), doc, fullPath);
}

}

QStringList SplitCommandLine(const QString& commandLine) {
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool pending = false;
    for (const QChar c : commandLine) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            pending = true;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (pending)
                arguments.append(current);
            current.clear();
            pending = false;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        arguments.append(current);
    return arguments;
}

QString JoinCommandLine(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments) {
        QString part = isLineSwitch(argument) ? argument : QFileInfo(argument).absoluteFilePath();
        if (part.contains(QLatin1Char(' ')))
            part = QLatin1Char('"') + part + QLatin1Char('"');
        parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

void OpenFilesFromCommand(const QString& commandLine) {
    dock::DockLayer* layer = dock::hostLayer();
    if (!layer)
        return;
    for (const QString& argument : SplitCommandLine(commandLine))
        if (!isLineSwitch(argument))
            openFile(*layer, argument);
}

void OpenFile(const QString& path) {
    if (dock::DockLayer* layer = dock::hostLayer())
        openFile(*layer, path);
}
