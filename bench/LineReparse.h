#pragma once

#include <QByteArray>
#include <QString>

// Prints how long the notification handler's re-parse of one line (unparse,
// then parse) takes for the first and the last declaration line of each
// kind in the text, opened and parsed as a file alone.
void PrintLineReparseTimes(const QString& path, const QByteArray& text);
