#pragma once

#include <QLatin1String>

// The key of the help browser's document window; every other document
// window is keyed by its document's path (or its ID while untitled).
inline constexpr QLatin1String kHelpWindowKey("HELP WINDOW");
