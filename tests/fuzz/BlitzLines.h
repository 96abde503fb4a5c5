#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Fuzzer bytes read one choice at a time; past their end every choice is 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    unsigned next() { return at_ < size_ ? data_[at_++] : 0; }
    unsigned below(unsigned n) { return n ? next() % n : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// One line of Blitz Basic statements joined by blanks or colons, with names
// that clash and now and then raw bytes; no line end.
QByteArray BlitzLine(ByteReader& bytes);
