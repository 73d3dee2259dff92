// Global and local memory: fixed and moveable blocks, lock counts, growing, and handles that name nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/win32.h"

namespace {

bool AllBytesAre(const void* data, size_t size, unsigned char value) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    return std::all_of(bytes, bytes + size, [value](unsigned char b) { return b == value; });
}

TEST(KernelMemory, MoveableBlockIsReachedOnlyThroughItsLock) {
    HGLOBAL block = GlobalAlloc(GHND, 100);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 100u);
    void* data = GlobalLock(block);
    ASSERT_NE(data, nullptr);
    EXPECT_NE(data, static_cast<void*>(block));
    EXPECT_TRUE(AllBytesAre(data, 100, 0));

    EXPECT_EQ(GlobalLock(block), data);
    EXPECT_TRUE(GlobalUnlock(block));  // still locked once
    EXPECT_FALSE(GlobalUnlock(block));  // now unlocked
    EXPECT_FALSE(GlobalUnlock(block));  // was not locked
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(KernelMemory, FixedBlockIsItsOwnPointer) {
    HGLOBAL block = GlobalAlloc(GPTR, 64);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), static_cast<void*>(block));
    EXPECT_TRUE(AllBytesAre(block, 64, 0));
    EXPECT_TRUE(GlobalUnlock(block));
    EXPECT_EQ(GlobalSize(block), 64u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

// Leaves freed memory of that size full of a pattern, which a grown block that is not zeroed would show.
void DirtyFreedMemory(SIZE_T size) {
    HGLOBAL dirty = GlobalAlloc(GMEM_FIXED, size);
    std::memset(dirty, 0xEE, size);
    GlobalFree(dirty);
}

TEST(KernelMemory, ReAllocKeepsTheBytesAndZeroesTheGrownPart) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 40);
    std::memset(GlobalLock(block), 0xAB, 40);
    GlobalUnlock(block);
    for (SIZE_T size : {1000u, 4000u, 300000u}) {
        DirtyFreedMemory(size);
        HGLOBAL grown = GlobalReAlloc(block, size, GMEM_MOVEABLE | GMEM_ZEROINIT);
        ASSERT_EQ(grown, block);  // a moveable block keeps its handle wherever its bytes go
        EXPECT_EQ(GlobalSize(grown), size);
        const auto* bytes = static_cast<const unsigned char*>(GlobalLock(grown));
        EXPECT_TRUE(AllBytesAre(bytes, 40, 0xAB));
        EXPECT_TRUE(AllBytesAre(bytes + 40, size - 40, 0));
        GlobalUnlock(grown);
    }
    HGLOBAL shrunk = GlobalReAlloc(block, 10, GMEM_MOVEABLE);
    ASSERT_EQ(shrunk, block);
    EXPECT_EQ(GlobalSize(shrunk), 10u);
    EXPECT_TRUE(AllBytesAre(GlobalLock(shrunk), 10, 0xAB));
    GlobalUnlock(shrunk);
    GlobalFree(shrunk);
}

TEST(KernelMemory, FixedBlockGrowsOnlyWhenAllowedToMove) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, 16);
    std::memset(block, 0x5A, 16);
    EXPECT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT), nullptr);
    EXPECT_EQ(GlobalSize(block), 16u);
    EXPECT_TRUE(AllBytesAre(block, 16, 0x5A));

    HGLOBAL moved = GlobalReAlloc(block, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(GlobalLock(moved), static_cast<void*>(moved));
    EXPECT_TRUE(AllBytesAre(moved, 16, 0x5A));
    EXPECT_TRUE(AllBytesAre(static_cast<char*>(moved) + 16, 4096 - 16, 0));
    if (moved != block) {
        EXPECT_EQ(GlobalSize(block), 0u);
    }
    EXPECT_EQ(GlobalFree(moved), nullptr);
}

TEST(KernelMemory, LockedMoveableBlockStaysPutUnlessMayMove) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    void* data = GlobalLock(block);
    EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GMEM_ZEROINIT), nullptr);
    EXPECT_EQ(GlobalSize(block), 8u);
    EXPECT_EQ(GlobalLock(block), data);
    EXPECT_EQ(GlobalReAlloc(block, 0, GMEM_MOVEABLE), nullptr);
    GlobalFree(block);
}

TEST(KernelMemory, EmptyMoveableBlockHasAHandleButNoBytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    HGLOBAL grown = GlobalReAlloc(block, 8, GMEM_MOVEABLE | GMEM_ZEROINIT);
    ASSERT_EQ(grown, block);
    EXPECT_TRUE(AllBytesAre(GlobalLock(grown), 8, 0));
    GlobalFree(grown);
}

TEST(KernelMemory, NullAndFreedHandlesFailQuietly) {
    HGLOBAL moveable = GlobalAlloc(GHND, 32);
    HGLOBAL fixed = GlobalAlloc(GPTR, 32);
    ASSERT_EQ(GlobalFree(moveable), nullptr);
    ASSERT_EQ(GlobalFree(fixed), nullptr);
    // A block made later must not answer to the freed moveable handle.
    HGLOBAL later = GlobalAlloc(GHND, 32);
    EXPECT_NE(later, moveable);
    for (HGLOBAL stale : {moveable, fixed, static_cast<HGLOBAL>(nullptr)}) {
        EXPECT_EQ(GlobalLock(stale), nullptr);
        EXPECT_FALSE(GlobalUnlock(stale));
        EXPECT_EQ(GlobalSize(stale), 0u);
        EXPECT_EQ(GlobalReAlloc(stale, 64, GMEM_MOVEABLE), nullptr);
        EXPECT_EQ(GlobalFree(stale), stale);
        EXPECT_EQ(LocalLock(stale), nullptr);
        EXPECT_EQ(LocalFree(stale), stale);
    }
    int onTheStack = 0;
    EXPECT_EQ(GlobalLock(&onTheStack), nullptr);
    EXPECT_EQ(GlobalFree(&onTheStack), static_cast<HGLOBAL>(&onTheStack));
    GlobalFree(later);
}

TEST(KernelMemory, LocalBlocksFollowTheSameRules) {
    HLOCAL block = LocalAlloc(LHND, 5760);
    ASSERT_NE(block, nullptr);
    void* data = LocalLock(block);
    ASSERT_NE(data, nullptr);
    EXPECT_NE(data, static_cast<void*>(block));
    EXPECT_TRUE(AllBytesAre(data, 5760, 0));
    EXPECT_FALSE(LocalUnlock(block));
    EXPECT_FALSE(LocalUnlock(block));
    EXPECT_EQ(LocalFree(block), nullptr);
    EXPECT_EQ(LocalFree(block), block);

    HLOCAL fixed = LocalAlloc(LPTR, 12);
    EXPECT_EQ(LocalLock(fixed), static_cast<void*>(fixed));
    EXPECT_TRUE(AllBytesAre(fixed, 12, 0));
    EXPECT_EQ(LocalFree(fixed), nullptr);
}

}  // namespace
