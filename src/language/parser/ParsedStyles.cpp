#include "language/parser/ParsedStyles.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>

namespace {

using S = QsciScintillaBase;

// How far ahead a whole-document pass copies the view's styles.
constexpr int kStretch = 16384;

}

ParsedStyles& ParserStyles() {
    static ParsedStyles styles;
    return styles;
}

bool ParsedStyles::holds(int first, int end) const {
    return first >= windowStart_ && end <= windowStart_ + static_cast<int>(window_.size());
}

void ParsedStyles::startPlainDocument() {
    endRun();
    view_ = gSciWndData;
    acrossLines_ = false;
    lineOpen_ = false;
    lineEnd_ = 0;
    plainFrom_ = 0;
}

void ParsedStyles::writePlain(int end) {
    if (plainFrom_ < 0 || end <= plainFrom_)
        return;
    SciDirect(view_, S::SCI_STARTSTYLING, static_cast<uptr_t>(plainFrom_), 255);
    SciDirect(view_, S::SCI_SETSTYLING, static_cast<uptr_t>(end - plainFrom_), 0);
    plainFrom_ = end;
}

void ParsedStyles::leavePlainDocument() {
    if (plainFrom_ < 0)
        return;
    flush();
    writePlain(static_cast<int>(SciDirect(view_, S::SCI_GETLENGTH)));
    plainFrom_ = -1;
}

void ParsedStyles::beginLine(int LineStart, int Length, bool AcrossLines) {
    const bool sameRun = acrossLines_ && AcrossLines && view_ == gSciWndData && LineStart == lineEnd_;
    const bool plainRun = plainFrom_ >= 0 && AcrossLines && view_ == gSciWndData && LineStart == lineEnd_;
    if (!plainRun)
        leavePlainDocument();
    if (!sameRun) {
        flush();
        window_.clear();
    }
    // A handle's copy counts a reference: lines of one view keep the one they have.
    if (!(view_ == gSciWndData))
        view_ = gSciWndData;
    acrossLines_ = AcrossLines;
    lineStart_ = LineStart;
    lineEnd_ = LineStart + std::max(Length, 0);
    lineOpen_ = true;
}

void ParsedStyles::load(int first, int end) {
    if (plainFrom_ >= 0 && end > plainFrom_) {
        std::fill(window_.begin() + (std::max(first, plainFrom_) - windowStart_), window_.begin() + (end - windowStart_), 0);
        end = std::max(first, plainFrom_);
    }
    if (first >= end)
        return;
    const auto count = static_cast<size_t>(end - first);
    SciReadStyledCells(view_, first, end, cells_);
    for (size_t k = 0; k < count; ++k)
        window_[static_cast<size_t>(first - windowStart_) + k] = cells_[2 * k + 1];
}

void ParsedStyles::set(int Position, int Length, int style) {
    const int first = std::max(Position, lineStart_);
    const int end = std::min(Position + Length, lineEnd_);
    if (first >= end)
        return;
    if (!holds(lineStart_, lineEnd_)) {
        flush();
        const int ahead = acrossLines_ ? std::max(kStretch, lineEnd_ - lineStart_) : lineEnd_ - lineStart_;
        windowStart_ = lineStart_;
        window_.assign(static_cast<size_t>(std::min<long>(ahead, SciDirect(view_, S::SCI_GETLENGTH) - lineStart_)), 0);
        load(windowStart_, windowStart_ + static_cast<int>(window_.size()));
        if (!holds(first, end))
            return;
    }
    std::fill(window_.begin() + (first - windowStart_), window_.begin() + (end - windowStart_), static_cast<char>(style));
    if (pendingFirst_ == pendingEnd_) {
        pendingFirst_ = first;
        pendingEnd_ = end;
    } else {
        pendingFirst_ = std::min(pendingFirst_, first);
        pendingEnd_ = std::max(pendingEnd_, end);
    }
}

void ParsedStyles::plainLine() {
    // A whole-document pass that writes the view plain has done so already.
    if (plainFrom_ >= 0 && plainFrom_ <= lineStart_)
        return;
    set(lineStart_, lineEnd_ - lineStart_, 0);
}

void ParsedStyles::flush() {
    if (pendingFirst_ < pendingEnd_ && holds(pendingFirst_, pendingEnd_)) {
        // What lies between the last run written and this one is plain:
        // written with this run when the copy holds it, else on its own.
        if (plainFrom_ >= 0 && plainFrom_ < pendingFirst_) {
            if (plainFrom_ >= windowStart_)
                pendingFirst_ = plainFrom_;
            else
                writePlain(pendingFirst_);
        }
        SciDirect(view_, S::SCI_STARTSTYLING, static_cast<uptr_t>(pendingFirst_), 255);
        SciDirect(view_, S::SCI_SETSTYLINGEX, static_cast<uptr_t>(pendingEnd_ - pendingFirst_),
                  reinterpret_cast<sptr_t>(window_.data() + (pendingFirst_ - windowStart_)));
        if (plainFrom_ >= 0)
            plainFrom_ = std::max(plainFrom_, pendingEnd_);
    }
    pendingFirst_ = pendingEnd_ = 0;
}

bool ParsedStyles::takes(long Position) const {
    return lineOpen_ && Position >= lineStart_ && Position < lineEnd_ && view_ == gSciWndData;
}

void ParsedStyles::endLine() {
    lineOpen_ = false;
    if (!acrossLines_)
        endRun();
    else if (pendingEnd_ - pendingFirst_ >= kStretch)
        flush();
}

void ParsedStyles::endRun() {
    leavePlainDocument();
    flush();
    window_.clear();
}
