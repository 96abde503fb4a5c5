#include "platform/BlockPool.h"

#include <array>
#include <mutex>
#include <new>
#include <vector>

namespace {

constexpr std::size_t kGrain = alignof(std::max_align_t);
constexpr std::size_t kLargestPooled = 1024;
constexpr std::size_t kChunkBytes = 64 * 1024;

// Under the address sanitizer every block comes from the general allocator,
// so that a use after free is still caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooling = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooling = false;
#else
constexpr bool kPooling = true;
#endif
#else
constexpr bool kPooling = true;
#endif

struct FreeBlock {
    FreeBlock* next;
};

class ThreadPool {
public:
    void* take(std::size_t size) {
        FreeBlock*& head = free_[size / kGrain - 1];
        if (head) {
            FreeBlock* block = head;
            head = block->next;
            // A parse takes blocks by the thousand that an unparse freed long
            // out of cache: fetching the next one now hides its miss behind
            // the caller's work on this one.
            __builtin_prefetch(head, 1);
            return block;
        }
        if (chunkLeft_ < size) {
            chunk_ = static_cast<char*>(::operator new(kChunkBytes));
            chunks_.push_back(chunk_);
            chunkLeft_ = kChunkBytes;
        }
        void* block = chunk_;
        chunk_ += size;
        chunkLeft_ -= size;
        return block;
    }

    void give(void* block, std::size_t size) noexcept {
        FreeBlock*& head = free_[size / kGrain - 1];
        head = new (block) FreeBlock{head};
    }

private:
    std::array<FreeBlock*, kLargestPooled / kGrain> free_{};
    std::vector<char*> chunks_;
    char* chunk_ = nullptr;
    std::size_t chunkLeft_ = 0;
};

// Every thread's pool stays reachable from here: its blocks are never freed.
ThreadPool& threadPool() {
    thread_local ThreadPool* pool = [] {
        static std::mutex guard;
        static auto* all = new std::vector<ThreadPool*>;
        auto* made = new ThreadPool;
        const std::lock_guard<std::mutex> lock(guard);
        all->push_back(made);
        return made;
    }();
    return *pool;
}

std::size_t roundedUp(std::size_t bytes) {
    return (bytes + kGrain - 1) / kGrain * kGrain;
}

}

namespace blockpool {

void* take(std::size_t bytes) {
    const std::size_t size = roundedUp(bytes);
    if (!kPooling || size == 0 || size > kLargestPooled)
        return ::operator new(bytes);
    return threadPool().take(size);
}

void give(void* block, std::size_t bytes) noexcept {
    const std::size_t size = roundedUp(bytes);
    if (!kPooling || size == 0 || size > kLargestPooled) {
        ::operator delete(block);
        return;
    }
    threadPool().give(block, size);
}

}
