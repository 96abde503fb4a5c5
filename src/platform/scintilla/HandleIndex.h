#pragma once

#include "platform/BlockPool.h"
#include "platform/scintilla/LineGroups.h"

#include <array>
#include <memory>
#include <vector>

// The group of each known marker handle. Scintilla numbers handles upwards
// from 1 per document, so they are looked up by number in pages of
// consecutive handles; a page goes once none of its handles is known, and
// the table drops the empty pages below the lowest known handle, so that it
// does not grow with every re-parse of a document.
class HandleIndex {
public:
    // Null for a handle not known.
    LineGroups::Group* find(int handle) const;
    void set(int handle, LineGroups::Group* group);
    void erase(int handle);
    void clear();

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

    // The page holding the handle, or null.
    Page* pageOf(int handle) const;
    void dropLeadingEmptyPages();

    std::vector<std::unique_ptr<Page>> pages_;  // from page firstPage_ on
    size_t firstPage_ = 0;
    size_t leadingEmpty_ = 0;  // empty entries at the front of pages_
};
