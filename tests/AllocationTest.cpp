// Generation and the legality tests run thousands of times per command; they must not
// allocate beyond the move-list text they are given. This file replaces the global
// allocation functions to count every allocation made in the test program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "MoveGenerator.h"
#include "Support.h"
#include "TestBoard.h"

namespace {
std::size_t allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace ostrand {
namespace {

TEST(Allocation, ListingAndMarkingAllocateNothingBeyondTheText) {
    test::SetBoard(test::MiddlegameBoard);
    std::string moves;
    moves.reserve(1024);
    const std::size_t before = allocations;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            ListBlackPieceMoves(x, y, moves);
            ListWhitePieceMoves(x, y, moves);
            MarkWhitePieceTargets(x, y);
        }
    ComputeAttackMaps();
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 4, 1), No);
    EXPECT_EQ(BlackInCheckAfter(10, 10, 10, 10), No);
    UpdateCastling();
    EXPECT_EQ(allocations, before);
    EXPECT_GT(moves.size(), 100u);
}

TEST(Allocation, GameEndTestsAllocateOneMoveListPerCall) {
    test::SetBoard(test::MiddlegameBoard);
    const std::size_t before = allocations;
    EXPECT_EQ(IsWhiteCheckmated(10, 10, 10, 10), No);
    EXPECT_EQ(IsBlackStalemated(10, 10, 10, 10), No);
    // Zero in check avoids the list entirely; otherwise one reserved text per call.
    EXPECT_LE(allocations - before, 2u);
}

}  // namespace
}  // namespace ostrand
