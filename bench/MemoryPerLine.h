#pragma once

#include <QByteArray>
#include <QString>

// Prints the heap an open file holds a line beyond what the component
// alone holds for the same text (a bare view with the text loaded). Run it
// before the other figures: blocks that earlier documents left in Korvo's
// pools would be taken back unseen.
void PrintMemoryPerLine(const QString& path, const QByteArray& text);
