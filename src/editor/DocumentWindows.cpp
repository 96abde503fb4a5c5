#include "editor/DocumentWindows.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "vocabulary/WindowKeys.h"

frmDoc* DocumentOfView(const SciHandle& view) {
    return view.isAlive() ? qobject_cast<frmDoc*>(view.view()->parentWidget()) : nullptr;
}

bool ActivateDocumentWindow(frmDoc& doc) {
    try {
        platform::host().activateDocumentWindow(doc.m_strDocumentWindowID);
    } catch (const KorvoError& error) {
        if (error.number != 50000)
            throw;
        return false;
    }
    // A host that was already showing the window raises no activation.
    if (gActiveDoc != &doc)
        ActivateDocument(&doc);
    return true;
}

QList<frmDoc*> OtherDocumentsInOrder() {
    const QStringList keys = platform::host().documentWindowKeys();
    const qsizetype active = gActiveDoc ? keys.indexOf(gActiveDoc->m_strDocumentWindowID) : -1;
    QList<frmDoc*> documents;
    for (qsizetype step = 1; step <= keys.size(); ++step) {
        const QString& key = keys[(active + step) % keys.size()];
        if (key == kHelpWindowKey)
            continue;
        auto* doc = qobject_cast<frmDoc*>(platform::host().documentWindow(key));
        if (doc && doc != gActiveDoc)
            documents.append(doc);
    }
    return documents;
}
