#pragma once

#include <QIcon>

// Korvo's own folder pictures, drawn in code: the style's open and closed
// folders look alike in some styles, and the trees tell categories and the
// current folder by them. Drawn once and shared.
QIcon ClosedFolderIcon();
QIcon OpenFolderIcon();
