#pragma once

#include "platform/scintilla/LineCounts.h"

#include <cstdint>

// The lines of a view's markers of up to two numbers, which Scintilla holds
// too, kept as a count per line so that a search for the next or previous of
// them need not walk Scintilla's lines one at a time. Both counts share a
// line's byte; a number whose count on a line outgrew its half is no longer
// answered for.
class MarkerSearch {
public:
    // The two lowest numbers of the mask.
    void search(unsigned numbers);
    // The numbers of the mask it answers for.
    unsigned answers(unsigned mask) const { return mask & numbers_ & ~lost_; }

    void added(int number, long line);
    // One marker of that number leaves the line; -1 takes every marker there.
    void deletedOnLine(long line, int number);
    // -1 deletes every marker.
    void deletedEverywhere(int number);
    void linesInserted(long line, bool atLineStart, long count) { lines_.linesInserted(line, atLineStart, count); }
    void linesDeleted(long line, long count);

    // The nearest line at or after (at or before) `from` with a marker of the
    // numbers of the mask it answers for; -1 when none.
    long next(long from, unsigned mask) const { return lines_.next(from, bitsOf(answers(mask))); }
    long previous(long from, unsigned mask) const { return lines_.previous(from, bitsOf(answers(mask))); }

private:
    // The half of a line's byte that counts that number; 0 for one not searched.
    std::uint8_t bitsOf(unsigned mask) const;
    int halfOf(int number) const;

    unsigned numbers_ = 0;
    unsigned lost_ = 0;
    int numberOfHalf_[2] = {-1, -1};
    LineCounts lines_;
};
