#pragma once

#include "platform/scintilla/SciView.h"

#include <QByteArray>

#include <string>
#include <vector>

// Calls on an explicit view rather than the current one: loading and reading
// a document's whole text, and the marker lookups of records that remember
// their declaring document. Through the handle of a closed view they do
// nothing.

// Replaces the whole text with these bytes, NUL bytes included, the caret at its start.
void SciLoadText(const SciHandle& view, const QByteArray& text);
// The whole text, byte for byte.
QByteArray SciGetAllText(const SciHandle& view);
// The same text read in place rather than copied: valid only until the
// text next changes, and empty for a closed view. The component first moves
// its gap to the end of the text, where loading a file leaves it.
QByteArray SciPeekAllText(const SciHandle& view);
// The bytes from first to end (exclusive), the range kept within the text;
// an end of -1 stands for the end of the text.
QByteArray SciGetTextRange(const SciHandle& view, long first, long end);
// The same range read once with its styles: each position as its byte
// followed by its style byte.
QByteArray SciGetStyledText(const SciHandle& view, long first, long end);
// The same two readings into storage the caller reuses from pass to pass,
// for a range that lies within the text.
void SciReadTextRange(const SciHandle& view, long first, long end, std::string& text);
void SciReadStyledCells(const SciHandle& view, long first, long end, std::vector<char>& cells);

// The line of the marker in that view; -1 when the view holds no such marker
// or is gone.
long SciMarkerLineFromHandle(const SciHandle& view, long markerHandle);
// Appends the handles of the line-tracked markers on that line; false when
// the view is gone or cannot vouch for the lines of its markers.
bool SciTrackedMarkersOn(const SciHandle& view, long line, std::vector<int>& handles);
void SciMarkerDeleteHandle(const SciHandle& view, long markerHandle);
