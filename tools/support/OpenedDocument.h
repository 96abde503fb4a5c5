#pragma once

#include "editor/frmDoc.h"

#include <QByteArray>
#include <QString>

#include <memory>

// A source file opened the way Korvo opens one (OpenFile): parsed, its
// parameter block applied, the current document. When it goes, its window
// (if a host holds one) closes and the document is unloaded.
struct CloseDocument {
    void operator()(frmDoc* doc) const;
};
using OpenedDocument = std::unique_ptr<frmDoc, CloseDocument>;

// Null when the file does not open.
OpenedDocument OpenSourceFile(const QString& path);
// Writes the text to the path first.
OpenedDocument OpenSourceText(const QString& path, const QByteArray& text);
