#pragma once

#include <QByteArray>
#include <QStringList>

// Keyword-file text for tests: the block keywords, then the given lines,
// with CRLF line ends; padded with a filler keyword to at least minSize
// bytes, as a keyword file must be.
QByteArray keywordFileText(const QStringList& lines, int minSize = 3000);

QStringList blockKeywordLines();
