#pragma once

#include "editor/frmDoc.h"
#include "files/Project.h"

#include <QStringList>

// The model of one document as lines of text, in a stable order: each
// record's table (with the line of the function or type that owns it),
// name, type, size, parameter text, declaring line and file.
QStringList modelSnapshot(const ClsProject& project, const frmDoc& doc);

// Closes nothing, but forgets every project and the current document,
// view and scope, as after the last document closed.
void ForgetParsedDocuments();
