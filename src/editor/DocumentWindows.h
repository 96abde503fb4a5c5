#pragma once

#include "platform/scintilla/SciView.h"

#include <QList>
#include <QString>

class frmDoc;

// The document windows of the host, seen as the documents they hold.

// An untitled document is keyed by its window's ID, which begins with "{";
// every other document by its path.
inline bool IsUntitledKey(const QString& key) {
    return key.startsWith(QLatin1Char('{'));
}

// The document whose view the handle names; null when that view is gone.
frmDoc* DocumentOfView(const SciHandle& view);

// Activates the document's window in the host, which makes the document
// current; false when the host has no window of its key (error 50000).
bool ActivateDocumentWindow(frmDoc& doc);

// The editor documents of the host in its order, starting with the one
// after the active document's window and wrapping round to the one before
// it; the help window and windows without an editor are left out.
QList<frmDoc*> OtherDocumentsInOrder();
