#include "language/colour/LineStyles.h"

#include "editor/CurrentView.h"
#include "language/parser/OwnEdits.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>
#include <cstring>

namespace {

using S = QsciScintillaBase;

// How much text a stretch covers at most before it is written.
constexpr long kStretch = 65536;

}

LineStyles& LightLineStyles() {
    static LineStyles styles;
    return styles;
}

void LineStyles::beginLine(long Start, long Length) {
    const long id = gSciWndData.id();
    const bool follows = id == viewId_ && Start == stretchEnd_ && Start - stretchStart_ < kStretch;
    if (!follows) {
        flush();
        viewId_ = id;
        stretchStart_ = Start;
    }
    lineStart_ = Start;
    lineEnd_ = Start + std::max(Length, 0L);
    lineOpen_ = Start >= 0 && lineEnd_ > Start;
    stretchEnd_ = lineEnd_;
    const auto size = static_cast<size_t>(lineEnd_ - stretchStart_);
    if (styles_.size() < size) {
        styles_.resize(size);
        given_.resize(size);
    }
}

bool LineStyles::takes(long Position) const {
    return lineOpen_ && Position >= lineStart_ && Position < lineEnd_ && gSciWndData.id() == viewId_;
}

void LineStyles::set(long Position, long Length, int Style) {
    const long end = std::min(Position + std::max(Length, 0L), lineEnd_);
    if (end <= Position)
        return;
    const auto from = static_cast<size_t>(Position - stretchStart_);
    const auto count = static_cast<size_t>(end - Position);
    std::memset(styles_.data() + from, Style, count);
    std::memset(given_.data() + from, 1, count);
    first_ = first_ < end_ ? std::min(first_, Position) : Position;
    end_ = std::max(end_, end);
}

void LineStyles::endLine(bool NextFollows) {
    lineOpen_ = false;
    if (!NextFollows) {
        flush();
        stretchEnd_ = -1;
    }
}

void LineStyles::textWillChange() {
    flush();
    lineOpen_ = false;
    stretchEnd_ = -1;
}

void LineStyles::write() {
    const long first = first_;
    long end = end_;
    const auto offset = static_cast<size_t>(first - stretchStart_);
    const auto gathered = static_cast<size_t>(end - first);
    first_ = end_ = 0;
    if (gSciWndData.id() == viewId_) {
        // A stretch left waiting past a change of the text would run off its end.
        end = std::min(end, static_cast<long>(SciDirect(gSciWndData, S::SCI_GETLENGTH)));
    }
    if (gSciWndData.id() == viewId_ && end > first) {
        const auto count = static_cast<size_t>(end - first);
        unsigned char* styles = styles_.data() + offset;
        const unsigned char* given = given_.data() + offset;
        if (std::find(given, given + count, 0) != given + count) {
            // Between the runs the view's styles stay as they are.
            SciReadStyledCells(gSciWndData, first, end, cells_);
            for (size_t k = 0; k < count; ++k)
                if (!given[k])
                    styles[k] = static_cast<unsigned char>(cells_[2 * k + 1]);
        }
        const OwnEdits ownEdits;
        SciDirect(gSciWndData, S::SCI_STARTSTYLING, static_cast<uptr_t>(first), 255);
        SciDirect(gSciWndData, S::SCI_SETSTYLINGEX, count, reinterpret_cast<sptr_t>(styles));
    }
    std::memset(given_.data() + offset, 0, gathered);
    // What comes next starts a stretch of its own: the rest of the open line, or the lines after.
    stretchStart_ = lineOpen_ ? lineStart_ : stretchEnd_;
}
