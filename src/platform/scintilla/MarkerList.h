#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>

struct LineMarker {
    int handle;
    int number;
};

// The markers of one line, in order. Nearly every line that holds any holds
// one: that one sits inside the list, and only more go to the heap.
class MarkerList {
public:
    MarkerList() = default;
    ~MarkerList() {
        if (capacity_ > 1)
            delete[] heap_;
    }
    MarkerList(const MarkerList&) = delete;
    MarkerList& operator=(const MarkerList&) = delete;

    LineMarker* begin() { return capacity_ > 1 ? heap_ : &one_; }
    const LineMarker* begin() const { return capacity_ > 1 ? heap_ : &one_; }
    LineMarker* end() { return begin() + size_; }
    const LineMarker* end() const { return begin() + size_; }
    std::reverse_iterator<LineMarker*> rbegin() { return std::reverse_iterator<LineMarker*>(end()); }
    std::reverse_iterator<LineMarker*> rend() { return std::reverse_iterator<LineMarker*>(begin()); }
    bool empty() const { return size_ == 0; }

    void push_back(LineMarker marker) { append(&marker, &marker + 1); }
    void append(const LineMarker* first, const LineMarker* last) {
        const auto added = static_cast<std::uint32_t>(last - first);
        if (size_ + added > capacity_)
            grow(size_ + added);
        std::copy(first, last, begin() + size_);
        size_ += added;
    }
    void erase(LineMarker* marker) {
        std::copy(marker + 1, end(), marker);
        --size_;
    }
    // The predicate is asked once for each marker, in order.
    template <typename Predicate>
    void removeIf(Predicate predicate) {
        size_ = static_cast<std::uint32_t>(std::remove_if(begin(), end(), predicate) - begin());
    }
    void clear() { size_ = 0; }

private:
    void grow(std::uint32_t needed) {
        const std::uint32_t capacity = std::max(needed, capacity_ * 2);
        auto* bigger = new LineMarker[capacity];
        std::copy(begin(), end(), bigger);
        if (capacity_ > 1)
            delete[] heap_;
        heap_ = bigger;
        capacity_ = capacity;
    }

    union {
        LineMarker one_{};
        LineMarker* heap_;
    };
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 1;
};
