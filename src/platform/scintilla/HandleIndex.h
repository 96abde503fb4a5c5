#pragma once

#include "platform/BlockPool.h"
#include "platform/scintilla/LineGroups.h"

#include <array>
#include <memory>
#include <vector>

// The group of each known marker handle. Scintilla numbers handles upwards
// from 1 per document, so they are looked up by number in pages of
// consecutive handles; a page goes once none of its handles is known.
class HandleIndex {
public:
    // Null for a handle not known.
    LineGroups::Group* find(int handle) const;
    void set(int handle, LineGroups::Group* group);
    void erase(int handle);
    void clear() { pages_.clear(); }

private:
    // Small enough for the block pool.
    static constexpr int kPageBits = 6;
    static constexpr int kPageSize = 1 << kPageBits;

    struct Page {
        std::array<LineGroups::Group*, kPageSize> groups{};
        int known = 0;

        static void* operator new(std::size_t bytes) { return blockpool::take(bytes); }
        static void operator delete(void* page, std::size_t bytes) noexcept { blockpool::give(page, bytes); }
    };

    std::vector<std::unique_ptr<Page>> pages_;
};
