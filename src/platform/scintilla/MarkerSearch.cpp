#include "platform/scintilla/MarkerSearch.h"

#include <algorithm>
#include <bit>

namespace {

template <typename Visit>
void forEachBit(unsigned mask, Visit visit) {
    for (; mask; mask &= mask - 1)
        visit(std::countr_zero(mask));
}

constexpr int kMostACountHolds = 255;

}

template <typename Visit>
void MarkerSearch::forEachSearched(Visit visit) {
    forEachBit(numbers_, [&](int n) { visit(lines_[static_cast<size_t>(n)]); });
}

void MarkerSearch::added(int number, long line) {
    if (!searches(number))
        return;
    LineCounts& counts = lines_[static_cast<size_t>(number)];
    if (counts.at(line) == kMostACountHolds)
        lost_ |= 1u << number;
    counts.add(line);
}

void MarkerSearch::deletedOnLine(long line, int number) {
    if (number == -1)
        forEachSearched([line](LineCounts& counts) { counts.clearLine(line); });
    else if (searches(number))
        lines_[static_cast<size_t>(number)].remove(line);
}

void MarkerSearch::deletedEverywhere(int number) {
    if (number == -1) {
        forEachSearched([](LineCounts& counts) { counts.clear(); });
        lost_ = 0;
    } else if (searches(number)) {
        lines_[static_cast<size_t>(number)].clear();
        lost_ &= ~(1u << number);
    }
}

void MarkerSearch::linesInserted(long line, bool atLineStart, long count) {
    forEachSearched([&](LineCounts& counts) { counts.linesInserted(line, atLineStart, count); });
}

void MarkerSearch::linesDeleted(long line, long count) {
    forEachBit(numbers_, [&](int n) {
        LineCounts& counts = lines_[static_cast<size_t>(n)];
        counts.linesDeleted(line, count);
        if (counts.at(line) == kMostACountHolds)
            lost_ |= 1u << n;
    });
}

long MarkerSearch::next(long from, unsigned mask) const {
    long found = -1;
    forEachBit(answers(mask), [&](int n) {
        const long own = lines_[static_cast<size_t>(n)].next(from);
        if (own >= 0 && (found < 0 || own < found))
            found = own;
    });
    return found;
}

long MarkerSearch::previous(long from, unsigned mask) const {
    long found = -1;
    forEachBit(answers(mask), [&](int n) { found = std::max(found, lines_[static_cast<size_t>(n)].previous(from)); });
    return found;
}
