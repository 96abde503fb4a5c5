#include "language/lexer/LineReading.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/lexer/Lexer.h"
#include "platform/AnsiText.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>
#include <cstring>
#include <string>

int ReadLineBytes(long line) {
    return ReadLineBytes(line, SciPositionFromLine(line));
}

int ReadLineBytes(long line, long start) {
    const int length = static_cast<int>(SciLineLength(line));
    const int kept = start >= 0 ? std::clamp(length, 0, kMaxLineLength) : 0;
    // The bytes are read where the component keeps them: asking it for a
    // copy of the line has it copy one character at a time.
    const auto* bytes = kept ? reinterpret_cast<const char*>(SciDirect(
                                   gSciWndData, QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<uptr_t>(start), kept))
                             : nullptr;
    if (bytes)
        std::memcpy(gLineBufferPtr, bytes, static_cast<size_t>(kept));
    return bytes ? length : 0;
}

namespace {

// The text of a view from one of its line starts on, copied at once, and
// the line expected next in it. The copy holds while the view has seen no
// insertion or deletion since it was made; a stretch that proves too short
// for a line is made again, twice as long, one that ends between lines is
// made again from there at a steady length, and one made after a change
// starts short, as a change comes again soon where lines are being edited.
class TextAhead {
public:
    // The line's length, its first kept bytes in gLineBufferPtr; -1 when the
    // line cannot be read from a copy.
    int read(long line, long& start) {
        SciView* view = gSciWndData.view();
        const long changes = view ? view->textChanges() : -1;
        if (changes < 0)
            return -1;
        if (!(view->viewId() == viewId_ && changes == changes_ && line == nextLine_)) {
            size_ = kShortest;
            // A copy grown for a line of megabytes is not kept for the next document.
            if (text_.capacity() > 2 * kSteady)
                std::string().swap(text_);
            nextStart_ = SciPositionFromLine(line);
            if (nextStart_ < 0 || !copyFrom(*view, nextStart_))
                return -1;
        }
        start = nextStart_;
        long end = endOfLine(start);
        while (end < 0) {
            if (start != textStart_)
                size_ = std::max(size_, kSteady);
            else if (size_ < kLongest)
                size_ *= 2;
            else
                break;
            if (!copyFrom(*view, start))
                return -1;
            end = endOfLine(start);
        }
        if (end < 0) {
            viewId_ = 0;
            return -1;
        }
        const int length = static_cast<int>(end - start);
        std::memcpy(gLineBufferPtr, text_.data() + (start - textStart_), static_cast<size_t>(std::min(length, kMaxLineLength)));
        nextLine_ = line + 1;
        nextStart_ = end;
        return length;
    }

private:
    static constexpr long kShortest = 512;
    static constexpr long kSteady = 1L << 16;
    static constexpr long kLongest = 1L << 20;

    bool copyFrom(SciView& view, long from) {
        const SciHandle handle(&view);
        textLength_ = SciDirect(handle, QsciScintillaBase::SCI_GETLENGTH);
        if (from > textLength_)
            return false;
        const long end = std::min(textLength_, from + size_);
        SciReadTextRange(handle, from, end, text_);
        textStart_ = from;
        viewId_ = view.viewId();
        changes_ = view.textChanges();
        return true;
    }

    // After the line end of the line from start, where the component's own
    // line ends in a one-byte code page: LF, CR, or CR LF. -1 when the copy
    // ends before it can tell.
    long endOfLine(long start) const {
        const long textEnd = textStart_ + static_cast<long>(text_.size());
        if (start < textStart_ || start > textEnd)
            return -1;
        const bool toTheEnd = textEnd == textLength_;
        const char* const from = text_.data() + (start - textStart_);
        const char* const end = text_.data() + text_.size();
        const char* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<size_t>(end - from)));
        const char* const limit = lf ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(from, '\r', static_cast<size_t>(limit - from)));
        const auto position = [&](const char* p) { return textStart_ + static_cast<long>(p - text_.data()); };
        if (cr) {
            if (cr + 1 < end)
                return position(cr + 1) + (cr[1] == '\n' ? 1 : 0);
            return toTheEnd ? textEnd : -1;
        }
        if (lf)
            return position(lf + 1);
        return toTheEnd ? textEnd : -1;
    }

    long viewId_ = 0;
    long changes_ = -1;
    long nextLine_ = -1;
    long nextStart_ = 0;
    long size_ = kShortest;
    long textStart_ = 0;
    long textLength_ = 0;
    std::string text_;
};

}

int ReadNextLineBytes(long line, long& Start) {
    static TextAhead ahead;
    const int length = ahead.read(line, Start);
    if (length >= 0)
        return length;
    Start = SciPositionFromLine(line);
    return ReadLineBytes(line, Start);
}

void ReadLineIntoBuffer(long line, QString& Text, int& Length) {
    ReadLineIntoBuffer(line, SciPositionFromLine(line), Text, Length);
}

void ReadLineIntoBuffer(long line, long start, QString& Text, int& Length) {
    Length = ReadLineBytes(line, start);
    platform::assignFromAnsi(Text, reinterpret_cast<const char*>(gLineBufferPtr), std::min(Length, kMaxLineLength));
}
