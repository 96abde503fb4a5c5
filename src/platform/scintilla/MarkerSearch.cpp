#include "platform/scintilla/MarkerSearch.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kHalfBits = 4;
constexpr int kMostAHalfHolds = (1 << kHalfBits) - 1;

int countIn(std::uint8_t byte, int half) {
    return byte >> (half * kHalfBits) & kMostAHalfHolds;
}

std::uint8_t withCount(std::uint8_t byte, int half, int count) {
    const int shift = half * kHalfBits;
    return static_cast<std::uint8_t>((byte & ~(kMostAHalfHolds << shift)) | count << shift);
}

}

void MarkerSearch::search(unsigned numbers) {
    numbers_ = 0;
    lost_ = 0;
    lines_.clear();
    for (int& number : numberOfHalf_) {
        number = numbers ? std::countr_zero(numbers) : -1;
        if (number >= 0) {
            numbers_ |= 1u << number;
            numbers &= numbers - 1;
        }
    }
}

int MarkerSearch::halfOf(int number) const {
    if (number < 0)
        return -1;
    return number == numberOfHalf_[0] ? 0 : number == numberOfHalf_[1] ? 1 : -1;
}

std::uint8_t MarkerSearch::bitsOf(unsigned mask) const {
    std::uint8_t bits = 0;
    for (int half = 0; half < 2; ++half)
        if (numberOfHalf_[half] >= 0 && (mask >> numberOfHalf_[half] & 1u))
            bits |= static_cast<std::uint8_t>(kMostAHalfHolds << (half * kHalfBits));
    return bits;
}

void MarkerSearch::added(int number, long line) {
    const int half = halfOf(number);
    if (half < 0 || line < 0)
        return;
    const std::uint8_t byte = static_cast<std::uint8_t>(lines_.at(line));
    const int count = countIn(byte, half);
    if (count == kMostAHalfHolds)
        lost_ |= 1u << number;
    else
        lines_.set(line, withCount(byte, half, count + 1));
}

void MarkerSearch::deletedOnLine(long line, int number) {
    if (number == -1) {
        lines_.clearLine(line);
        return;
    }
    const int half = halfOf(number);
    if (half < 0)
        return;
    const std::uint8_t byte = static_cast<std::uint8_t>(lines_.at(line));
    if (const int count = countIn(byte, half); count > 0)
        lines_.set(line, withCount(byte, half, count - 1));
}

void MarkerSearch::deletedEverywhere(int number) {
    if (number == -1) {
        lines_.clear();
        lost_ = 0;
        return;
    }
    const int half = halfOf(number);
    if (half < 0)
        return;
    const std::uint8_t bits = bitsOf(1u << number);
    for (long line = lines_.next(0, bits); line >= 0; line = lines_.next(line + 1, bits))
        lines_.set(line, withCount(static_cast<std::uint8_t>(lines_.at(line)), half, 0));
    lost_ &= ~(1u << number);
}

// The lines below join the line: each half adds up on its own.
void MarkerSearch::linesDeleted(long line, long count) {
    int sums[2] = {0, 0};
    const std::uint8_t bits = bitsOf(numbers_);
    for (long joined = lines_.next(line, bits); joined >= 0 && joined <= line + count; joined = lines_.next(joined + 1, bits))
        for (int half = 0; half < 2; ++half)
            sums[half] += countIn(static_cast<std::uint8_t>(lines_.at(joined)), half);
    lines_.linesDeleted(line, count);
    std::uint8_t byte = 0;
    for (int half = 0; half < 2; ++half) {
        if (sums[half] > kMostAHalfHolds && numberOfHalf_[half] >= 0)
            lost_ |= 1u << numberOfHalf_[half];
        byte = withCount(byte, half, std::min(sums[half], kMostAHalfHolds));
    }
    lines_.set(line, byte);
}
