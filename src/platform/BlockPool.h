#pragma once

#include <cstddef>

// Storage for the small objects the code model makes and frees by the
// thousand as documents are parsed and unparsed (records, scope tables): a
// freed block goes onto a list of blocks of its size and is taken back from
// there, so a re-parse reuses what its unparse freed in constant time. Each
// thread keeps its own lists. Blocks stay with the pool once made.
namespace blockpool {
void* take(std::size_t bytes);
void give(void* block, std::size_t bytes) noexcept;
}

template <typename T>
struct PoolAllocator {
    using value_type = T;

    PoolAllocator() noexcept = default;
    template <typename U>
    PoolAllocator(const PoolAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        static_assert(alignof(T) <= alignof(std::max_align_t), "pool blocks keep the default alignment");
        return static_cast<T*>(blockpool::take(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { blockpool::give(block, count * sizeof(T)); }

    template <typename U>
    bool operator==(const PoolAllocator<U>&) const noexcept {
        return true;
    }
};
