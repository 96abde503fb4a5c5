#include "editor/SciWrappers.h"
#include "files/SingleFileDocument.h"
#include "platform/AnsiText.h"
#include "platform/Prompt.h"
#include "shell/CoreStartUp.h"
#include "shell/DocumentHost.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>

namespace {
// Until files and projects can be opened properly: the file's bytes in a new
// document window of its own.
void openFile(DocumentHost& host, const QString& path) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QByteArray bytes;
    if (!QFileInfo(fullPath).isFile() || !platform::readFileBytes(fullPath, bytes)) {
        platform::MsgBox(QStringLiteral("File: ") + path + QStringLiteral(" does not exists !"));
        return;
    }
    frmDoc* doc = OpenSingleFileDocument(fullPath, bytes).release();
    SciEmptyUndoBuffer();
    SciSetSavePoint();
    SciGotoPos(0);
    doc->SubClass();
    doc->m_strDocumentWindowID = fullPath;
    host.addDocumentWindow(fullPath, doc, doc->Filename());
}
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StartCore();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Korvo"));
    auto* host = new DocumentHost;
    host->setDocumentMode(true);
    window.setCentralWidget(host);
    window.resize(1024, 700);
    window.show();

    const QStringList arguments = app.arguments().mid(1);
    for (const QString& path : arguments)
        openFile(*host, path);
    return app.exec();
}
