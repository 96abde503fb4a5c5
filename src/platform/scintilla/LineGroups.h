#pragma once

#include "platform/BlockPool.h"
#include "platform/scintilla/MarkerList.h"

#include <cstdint>
#include <vector>

// Groups of marker handles, one group per line that holds any, kept in line
// order. Each group stores only its distance to the group above it, so moving
// every group below a line (lines inserted or deleted) changes one distance.
// Finding a group's line, adding or erasing a group and shifting lines cost
// time logarithmic in the number of groups; merging removed lines into the
// line above costs that much for each group merged.
class LineGroups {
public:
    using Marker = LineMarker;

    // One for each line with a marker: small, and from the block pool.
    // Scintilla numbers lines with an int, so the gaps fit 32 bits; a
    // group's place in the tree's heap order comes from its address rather
    // than from a field, which keeps it at three pool grains.
    struct Group {
        // In the order Scintilla deletes them by number: the last is deleted first.
        MarkerList markers;

        static void* operator new(std::size_t bytes) { return blockpool::take(bytes); }
        static void operator delete(void* group, std::size_t bytes) noexcept { blockpool::give(group, bytes); }

    private:
        friend class LineGroups;
        std::int32_t gap = 0;  // line minus the line of the group above (or minus 0)
        std::int32_t sum = 0;  // the gaps of this subtree
        Group* left = nullptr;
        Group* right = nullptr;
        Group* parent = nullptr;
    };

    LineGroups() = default;
    ~LineGroups();
    LineGroups(const LineGroups&) = delete;
    LineGroups& operator=(const LineGroups&) = delete;

    long lineOf(const Group* group) const;
    // The group on that line, created when there is none.
    Group* obtain(long line);
    // The group on that line, or null.
    const Group* find(long line) const;
    // Drops a group (its markers with it).
    void erase(Group* group);
    // Every group on line `from` or below moves down by `count` lines.
    void insertLines(long from, long count);
    // Lines line + 1 to line + count disappear: their groups join the group of
    // `line` (appended in line order, each keeping its own order), and the
    // groups below move up. Returns the group that received them, or null
    // when no group lay in the removed lines.
    Group* removeLines(long line, long count);
    void clear();

    template <typename Visit>
    void forEach(Visit visit) {
        forEachIn(root_, visit);
    }

private:
    static long sumOf(const Group* g) { return g ? g->sum : 0; }
    // Pseudo-random and fixed for the group's life: one round of a
    // multiplicative mix, so that neighbouring blocks of the pool get
    // unrelated priorities. Asked at every step of a merge, so kept cheap.
    static std::uint64_t priorityOf(const Group* g) {
        auto z = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(g));
        z = (z ^ (z >> 29)) * 0xBF58476D1CE4E5B9ull;
        return z ^ (z >> 32);
    }
    static void update(Group* g);
    static Group* merge(Group* a, Group* b);
    // Groups above line x go to a, the rest to b; base is the line the
    // subtree's gaps start from.
    static void split(Group* t, long x, long base, Group*& a, Group*& b);
    static Group* leftmost(Group* g);
    static void addToGap(Group* g, long delta);
    static void destroy(Group* g);
    Group* lowerBound(long line) const;
    void collect(Group* t, std::vector<Group*>& into);

    template <typename Visit>
    static void forEachIn(Group* g, Visit& visit) {
        if (!g)
            return;
        forEachIn(g->left, visit);
        visit(*g);
        forEachIn(g->right, visit);
    }

    Group* root_ = nullptr;
};
