#include "OpenedDocument.h"

#include "editor/CurrentView.h"
#include "files/OpenDocuments.h"
#include "platform/Host.h"

#include <QFile>

void CloseDocument::operator()(frmDoc* doc) const {
    if (!doc)
        return;
    if (!doc->m_strDocumentWindowID.isEmpty())
        platform::host().closeDocumentWindow(doc->m_strDocumentWindowID);
    UnloadDocument(doc);
}

OpenedDocument OpenSourceFile(const QString& path) {
    if (!OpenFile(path))
        return nullptr;
    return OpenedDocument(gActiveDoc.data());
}

OpenedDocument OpenSourceText(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return nullptr;
    file.close();
    return OpenSourceFile(path);
}
