#pragma once

#include "editor/frmDoc.h"

#include <QByteArray>
#include <QString>

#include <memory>

// A file opened by itself, as far as a document needs to be parsed without
// a window in the document host: its view holds the file's bytes, it has a
// single-file project of its own among the open projects, it is the current
// view and it is set up with the editor options. The caller parses it.
std::unique_ptr<frmDoc> OpenSingleFileDocument(const QString& fullPath, const QByteArray& text);

// Its project leaves the open projects, and it stops being current.
void CloseSingleFileDocument(std::unique_ptr<frmDoc> doc);
