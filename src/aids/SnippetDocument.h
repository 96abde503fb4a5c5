#pragma once

#include <QString>

// "Edit As File": opens a snippet file as an ordinary document marked as a
// snippet, so that saving it writes no editor-parameter block.
void OpenSnippetDocument(const QString& path);
