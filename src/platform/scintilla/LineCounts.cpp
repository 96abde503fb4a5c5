#include "platform/scintilla/LineCounts.h"

#include <algorithm>
#include <cstring>

std::uint8_t& LineCounts::cell(long line) {
    return cells_[static_cast<size_t>(line < gapStart_ ? line : line + gapLength_)];
}

std::uint8_t LineCounts::cell(long line) const {
    return cells_[static_cast<size_t>(line < gapStart_ ? line : line + gapLength_)];
}

int LineCounts::at(long line) const {
    return line >= 0 && line < size() ? cell(line) : 0;
}

void LineCounts::add(long line) {
    if (line < 0)
        return;
    // A parse from the top counts each line right after the last one counted.
    if (line == size() && gapStart_ == line && gapLength_ > 0) {
        cells_[static_cast<size_t>(gapStart_++)] = 1;
        --gapLength_;
        return;
    }
    if (line >= size())
        insertEmpty(size(), line + 1 - size());
    std::uint8_t& count = cell(line);
    if (count < 255)
        ++count;
}

bool LineCounts::remove(long line) {
    if (line < 0 || line >= size() || cell(line) == 0)
        return false;
    --cell(line);
    return true;
}

void LineCounts::set(long line, std::uint8_t value) {
    if (line < 0 || (line >= size() && value == 0))
        return;
    if (line >= size())
        insertEmpty(size(), line + 1 - size());
    cell(line) = value;
}

void LineCounts::clearLine(long line) {
    if (line >= 0 && line < size())
        cell(line) = 0;
}

void LineCounts::clear() {
    cells_.clear();
    gapStart_ = gapLength_ = 0;
}

void LineCounts::moveGap(long to) {
    if (to < gapStart_) {
        std::memmove(cells_.data() + to + gapLength_, cells_.data() + to, static_cast<size_t>(gapStart_ - to));
    } else if (to > gapStart_) {
        std::memmove(cells_.data() + gapStart_, cells_.data() + gapStart_ + gapLength_, static_cast<size_t>(to - gapStart_));
    }
    gapStart_ = to;
}

void LineCounts::insertEmpty(long at, long count) {
    if (count <= 0)
        return;
    if (gapLength_ < count) {
        // Grown with the gap at the end, where the vector grows. Reserved
        // to the byte: resize alone would double the vector's capacity.
        moveGap(size());
        const long grown = std::max<long>(count, static_cast<long>(cells_.size()) / 4 + 64);
        cells_.reserve(cells_.size() + static_cast<size_t>(grown));
        cells_.resize(cells_.size() + static_cast<size_t>(grown));
        gapLength_ += grown;
    }
    moveGap(at);
    std::memset(cells_.data() + gapStart_, 0, static_cast<size_t>(count));
    gapStart_ += count;
    gapLength_ -= count;
}

void LineCounts::erase(long at, long count) {
    if (count <= 0)
        return;
    moveGap(at);
    gapLength_ += count;
}

void LineCounts::linesInserted(long line, bool atLineStart, long count) {
    const long at = atLineStart ? line : line + 1;
    if (at >= 0 && at < size())
        insertEmpty(at, count);
}

void LineCounts::linesDeleted(long line, long count) {
    if (line < 0 || count <= 0 || line + 1 >= size())
        return;
    const long removed = std::min(count, size() - line - 1);
    int joined = cell(line);
    for (long k = 1; k <= removed; ++k)
        joined += cell(line + k);
    cell(line) = static_cast<std::uint8_t>(std::min(joined, 255));
    erase(line + 1, removed);
}

namespace {

// A word at a time: the nearest counted line is often thousands of lines
// away (a caret deep in a long main program looking for its function).
std::uint64_t inEveryByte(std::uint8_t bits) {
    return bits * 0x0101010101010101ull;
}

const std::uint8_t* firstWith(std::uint8_t bits, const std::uint8_t* from, const std::uint8_t* end) {
    const std::uint64_t wordBits = inEveryByte(bits);
    for (std::uint64_t word; end - from >= 8; from += 8) {
        std::memcpy(&word, from, sizeof word);
        if (word & wordBits)
            break;
    }
    for (; from < end; ++from)
        if (*from & bits)
            return from;
    return nullptr;
}

const std::uint8_t* lastWith(std::uint8_t bits, const std::uint8_t* begin, const std::uint8_t* end) {
    const std::uint64_t wordBits = inEveryByte(bits);
    for (std::uint64_t word; end - begin >= 8; end -= 8) {
        std::memcpy(&word, end - 8, sizeof word);
        if (word & wordBits)
            break;
    }
    while (end > begin)
        if (*--end & bits)
            return end;
    return nullptr;
}

}

long LineCounts::next(long from, std::uint8_t bits) const {
    from = std::max(from, 0L);
    if (from >= size())
        return -1;
    const std::uint8_t* data = cells_.data();
    if (from < gapStart_) {
        if (const std::uint8_t* found = firstWith(bits, data + from, data + gapStart_))
            return found - data;
        from = gapStart_;
    }
    if (const std::uint8_t* found = firstWith(bits, data + from + gapLength_, data + cells_.size()))
        return found - data - gapLength_;
    return -1;
}

long LineCounts::previous(long from, std::uint8_t bits) const {
    from = std::min(from, size() - 1);
    if (from < 0)
        return -1;
    const std::uint8_t* data = cells_.data();
    if (from >= gapStart_) {
        if (const std::uint8_t* found = lastWith(bits, data + gapStart_ + gapLength_, data + from + gapLength_ + 1))
            return found - data - gapLength_;
        from = gapStart_ - 1;
    }
    if (const std::uint8_t* found = lastWith(bits, data, data + from + 1))
        return found - data;
    return -1;
}
