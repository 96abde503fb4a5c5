#pragma once

#include <QByteArray>

// The current view's own line end: CR LF, or LF for a file opened with LF lines.
QByteArray DocumentLineEnd();

// The text with each of its line breaks (CR LF, LF or a lone CR) made the
// current view's own, so that what Korvo inserts never mixes line ends.
QByteArray InDocumentLineEnds(const QByteArray& text);
