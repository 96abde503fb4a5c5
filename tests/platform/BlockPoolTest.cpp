#include "platform/BlockPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Block {
    std::uint8_t* bytes;
    std::size_t size;
    std::uint8_t fill;
};

bool keepsItsFill(const Block& block) {
    for (std::size_t k = 0; k < block.size; ++k)
        if (block.bytes[k] != block.fill)
            return false;
    return true;
}

}

// Blocks of every size the pool keeps and past it, freed in part and taken
// again, never overlap and keep the default alignment.
TEST(BlockPoolTest, BlocksTakenAgainAfterFreeingNeverOverlap) {
    std::vector<Block> live;
    auto takeSome = [&](std::uint8_t round) {
        for (std::size_t size : {1u, 8u, 16u, 17u, 56u, 520u, 1000u, 1024u, 1025u, 4096u}) {
            for (int copy = 0; copy < 40; ++copy) {
                auto* bytes = static_cast<std::uint8_t*>(blockpool::take(size));
                ASSERT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % alignof(std::max_align_t), 0u);
                const auto fill = static_cast<std::uint8_t>(round * 31 + copy + size);
                std::memset(bytes, fill, size);
                live.push_back({bytes, size, fill});
            }
        }
    };
    takeSome(1);
    for (std::size_t k = 0; k < live.size(); k += 2)
        blockpool::give(live[k].bytes, live[k].size);
    std::vector<Block> kept;
    for (std::size_t k = 1; k < live.size(); k += 2)
        kept.push_back(live[k]);
    live = kept;
    takeSome(2);
    for (const Block& block : live)
        EXPECT_TRUE(keepsItsFill(block)) << block.size;
    for (const Block& block : live)
        blockpool::give(block.bytes, block.size);
}
