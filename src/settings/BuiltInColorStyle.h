#pragma once

#include "vocabulary/ColorStyle.h"

// Korvo's own light style, the current colour style until style files can
// be loaded.
ColorStyle BuiltInColorStyle();
