#pragma once

#include "platform/scintilla/LineCounts.h"

#include <array>

// The lines of a view's markers of some numbers, which Scintilla holds too,
// kept as a count per line so that a search for the next or previous of them
// need not walk Scintilla's lines one at a time. A number whose count on a
// line outgrew what a count holds is no longer answered for.
class MarkerSearch {
public:
    void search(unsigned numbers) { numbers_ = numbers; }
    // The numbers of the mask it answers for.
    unsigned answers(unsigned mask) const { return mask & numbers_ & ~lost_; }

    void added(int number, long line);
    // One marker of that number leaves the line; -1 takes every marker there.
    void deletedOnLine(long line, int number);
    // -1 deletes every marker.
    void deletedEverywhere(int number);
    void linesInserted(long line, bool atLineStart, long count);
    void linesDeleted(long line, long count);

    // The nearest line at or after (at or before) `from` with a marker of the
    // mask's numbers, as Scintilla answers; -1 when none.
    long next(long from, unsigned mask) const;
    long previous(long from, unsigned mask) const;

private:
    bool searches(int number) const { return number >= 0 && number < 32 && (numbers_ >> number & 1u); }
    template <typename Visit>
    void forEachSearched(Visit visit);

    unsigned numbers_ = 0;
    unsigned lost_ = 0;
    std::array<LineCounts, 32> lines_;
};
