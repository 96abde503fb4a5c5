#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>

using S = QsciScintillaBase;

namespace {
// Scintilla's Sci_TextRange, as this build of the component lays it out.
struct SciTextRangeRecord {
    long cpMin;
    long cpMax;
    char* lpstrText;
};

// The component writes the range into the buffer, with its terminating NULs.
void copyRange(const SciHandle& view, unsigned int message, long first, long end, char* into) {
    SciTextRangeRecord record{first, end, into};
    SciDirect(view, message, 0, reinterpret_cast<sptr_t>(&record));
}
}

void SciLoadText(const SciHandle& view, const QByteArray& text) {
    // SCI_SETTEXT would stop at the first NUL byte. Appending leaves the
    // caret at the top: moving it would lay out the line it passes, however
    // long, before the text has its styles.
    SciDirect(view, S::SCI_CLEARALL);
    SciDirect(view, S::SCI_APPENDTEXT, static_cast<uptr_t>(text.size()), reinterpret_cast<sptr_t>(text.constData()));
}

QByteArray SciGetAllText(const SciHandle& view) {
    return SciGetTextRange(view, 0, -1);
}

QByteArray SciPeekAllText(const SciHandle& view) {
    const long length = SciDirect(view, S::SCI_GETLENGTH);
    const auto* text = reinterpret_cast<const char*>(SciDirect(view, S::SCI_GETCHARACTERPOINTER));
    if (!text || length <= 0)
        return QByteArray();
    return QByteArray::fromRawData(text, length);
}

QByteArray SciGetTextRange(const SciHandle& view, long first, long end) {
    const long length = SciDirect(view, S::SCI_GETLENGTH);
    first = std::clamp(first, 0L, length);
    end = end < 0 ? length : std::clamp(end, first, length);
    QByteArray text(end - first + 1, '\0');
    copyRange(view, S::SCI_GETTEXTRANGE, first, end, text.data());
    text.chop(1);
    return text;
}

void SciReadTextRange(const SciHandle& view, long first, long end, std::string& text) {
    text.resize(static_cast<size_t>(end - first + 1));
    copyRange(view, S::SCI_GETTEXTRANGE, first, end, text.data());
    text.pop_back();
}

QByteArray SciGetStyledText(const SciHandle& view, long first, long end) {
    const long length = SciDirect(view, S::SCI_GETLENGTH);
    first = std::clamp(first, 0L, length);
    end = end < 0 ? length : std::clamp(end, first, length);
    QByteArray cells(2 * (end - first) + 2, '\0');
    copyRange(view, S::SCI_GETSTYLEDTEXT, first, end, cells.data());
    cells.chop(2);
    return cells;
}

void SciReadStyledCells(const SciHandle& view, long first, long end, std::vector<char>& cells) {
    cells.resize(static_cast<size_t>(2 * (end - first) + 2));
    copyRange(view, S::SCI_GETSTYLEDTEXT, first, end, cells.data());
    cells.resize(cells.size() - 2);
}

long SciMarkerLineFromHandle(const SciHandle& view, long markerHandle) {
    return view.isAlive() ? SciDirect(view, S::SCI_MARKERLINEFROMHANDLE, static_cast<uptr_t>(markerHandle)) : -1;
}

bool SciTrackedMarkersOn(const SciHandle& view, long line, std::vector<int>& handles) {
    SciView* sci = view.isAlive() ? view.view() : nullptr;
    return sci && sci->trackedMarkersOn(line, handles);
}

void SciMarkerDeleteHandle(const SciHandle& view, long markerHandle) {
    SciDirect(view, S::SCI_MARKERDELETEHANDLE, static_cast<uptr_t>(markerHandle));
}
