#pragma once

#include <QIcon>
#include <QString>

// Korvo's own 16x16 pictures of the code explorer, one per
// list ("imgFunctions", "imgGlobals", "imgTypes", "imgArrays",
// "imgConstants", "imgLabels", "imgIncludes", "imgLocals", "imgFields"),
// the review's kinds ("global", "array", "constant", "function", "local",
// ...) and the scope commands ("Project", "File"). An unknown key draws
// a grey square.
QIcon ExplorerIcon(const QString& key);
