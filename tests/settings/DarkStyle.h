#pragma once

#include "vocabulary/ColorStyle.h"

#include <QByteArray>

// A style whose every value names its slot n: ForeColor n, BackColor
// n × 256, AltColor n × 65536, size 10, slot 0's face "Courier New", Bold on
// slot 2 and Italic on slot 1 only. Its description is "Dark".
ColorStyle DarkStyle();

// DarkStyle() with "Dark" as a .style file, byte by byte as the format lays it out.
QByteArray DarkStyleBytes();
