#pragma once

#include <QByteArray>
#include <QString>

// The editor-parameter block between a document and its file, on the
// current view and gActiveProject.

class ClsProject;

// The block to write after the text, as the editor options allow, with the
// given line end; "" when there is none. The project's command line and
// compiler go into it.
QByteArray GetFileParameters(const ClsProject* project, const QByteArray& lineEnd);
// Applies the block of the freshly loaded text (folds, bookmarks, a single
// file's command line) and removes it from the text.
void CheckFileParameters();
// The compiler named on the text's ";~C#" line, spelled as there; else the
// default compiler.
QString CheckFileCompilerUsed();
