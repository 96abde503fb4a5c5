#pragma once

#include <QString>

// Replaces Length characters from Start in the document of the current view
// by Text, as one undoable step. A step that fails is skipped.
void ReplaceRange(long Start, const QString& Text, long Length);
