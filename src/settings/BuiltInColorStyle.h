#pragma once

#include "vocabulary/ColorStyle.h"

// Korvo's own light style: the current colour style until a style file is
// loaded, and the one that Styles/Default.style holds.
ColorStyle BuiltInColorStyle();
QString BuiltInStyleDescription();
