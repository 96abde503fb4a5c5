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

QByteArray SciGetTextRange(const SciHandle& view, long first, long end) {
    const long length = SciDirect(view, S::SCI_GETLENGTH);
    first = std::clamp(first, 0L, length);
    end = end < 0 ? length : std::clamp(end, first, length);
    QByteArray text(end - first + 1, '\0');
    SciTextRangeRecord record{first, end, text.data()};
    SciDirect(view, S::SCI_GETTEXTRANGE, 0, reinterpret_cast<sptr_t>(&record));
    text.chop(1);
    return text;
}

QByteArray SciGetStyledText(const SciHandle& view, long first, long end) {
    const long length = SciDirect(view, S::SCI_GETLENGTH);
    first = std::clamp(first, 0L, length);
    end = end < 0 ? length : std::clamp(end, first, length);
    QByteArray cells(2 * (end - first) + 2, '\0');
    SciTextRangeRecord record{first, end, cells.data()};
    SciDirect(view, S::SCI_GETSTYLEDTEXT, 0, reinterpret_cast<sptr_t>(&record));
    cells.chop(2);
    return cells;
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
