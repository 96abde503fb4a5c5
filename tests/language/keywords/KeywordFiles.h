#pragma once

#include <QByteArray>
#include <QStringList>

// Keyword-file text for tests: the block keywords, then the given lines,
// with CRLF line ends; padded with a filler keyword to at least minSize bytes.
QByteArray keywordFileText(const QStringList& lines, int minSize = 3000);

QStringList blockKeywordLines();
