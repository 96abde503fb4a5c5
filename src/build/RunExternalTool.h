#pragma once

#include <QString>

// Starts the tool of that caption (an entry of "MRUExternalTools") with its
// macros expanded, after asking when it asks for confirmation. Korvo neither
// waits for it nor reads its output.
void RunExternalTool(const QString& caption);
