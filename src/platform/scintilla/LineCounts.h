#pragma once

#include <cstdint>
#include <vector>

// A small count per line that moves with its line's text the way Scintilla
// moves a line's markers: a line end inserted at the start of a line takes
// that line's count down with it, and the counts of deleted lines add to the
// line above. Lines past those ever counted hold 0. The counts sit in a gap
// buffer, so that a change of lines near the last one costs no more than one
// near the first.
class LineCounts {
public:
    int at(long line) const;
    // Saturates at 255.
    void add(long line);
    // One less, never below 0; false when the line held none.
    bool remove(long line);
    void clearLine(long line);
    // For counts that share a line's byte, each in bits of its own.
    void set(long line, std::uint8_t value);
    void clear();

    // count lines of no count inserted at line end of `line`, or before it
    // when the line ends went in at its start.
    void linesInserted(long line, bool atLineStart, long count);
    // Lines line + 1 to line + count join `line`.
    void linesDeleted(long line, long count);

    // The first line at or after `from` (at or before it) with a count in
    // those bits; -1 when none.
    long next(long from, std::uint8_t bits = 0xFF) const;
    long previous(long from, std::uint8_t bits = 0xFF) const;

private:
    long size() const { return static_cast<long>(cells_.size()) - gapLength_; }
    std::uint8_t& cell(long line);
    std::uint8_t cell(long line) const;
    void moveGap(long to);
    void insertEmpty(long at, long count);
    void erase(long at, long count);

    std::vector<std::uint8_t> cells_;
    long gapStart_ = 0;
    long gapLength_ = 0;
};
