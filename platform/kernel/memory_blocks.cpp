#include "platform/kernel/memory_blocks.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace kernel {
namespace {

struct Block {
    void* data = nullptr;  // null for a moveable block of no bytes, which Windows counts as discarded
    SIZE_T size = 0;
    bool moveable = false;
    unsigned locks = 0;
};

struct Blocks {
    std::unordered_map<uintptr_t, Block> byHandle;
    uintptr_t lastMoveable = 0;
};

Blocks& AllBlocks() {
    static Blocks blocks;
    return blocks;
}

Block* Find(HANDLE memory) {
    auto& byHandle = AllBlocks().byHandle;
    auto found = byHandle.find(reinterpret_cast<uintptr_t>(memory));
    return found == byHandle.end() ? nullptr : &found->second;
}

// A moveable block's handle is no pointer: its low bits can never start an allocation, and a handle is
// never handed out twice, so a stale one finds nothing.
HANDLE NewMoveableHandle() {
    Blocks& blocks = AllBlocks();
    blocks.lastMoveable += 16;
    return reinterpret_cast<HANDLE>(blocks.lastMoveable | 8);
}

void* Allocate(SIZE_T bytes, bool zeroed) {
    return zeroed ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
}

}  // namespace

HANDLE AllocateBlock(UINT flags, SIZE_T bytes) {
    bool moveable = flags & GMEM_MOVEABLE;
    Block block{nullptr, bytes, moveable, 0};
    if (!moveable || bytes > 0) {
        block.data = Allocate(bytes, flags & GMEM_ZEROINIT);
        if (!block.data) return nullptr;
    }
    HANDLE handle = moveable ? NewMoveableHandle() : block.data;
    AllBlocks().byHandle[reinterpret_cast<uintptr_t>(handle)] = block;
    return handle;
}

LPVOID LockBlock(HANDLE memory) {
    Block* block = Find(memory);
    if (!block) return nullptr;
    if (block->moveable && block->data) ++block->locks;
    return block->data;
}

BOOL UnlockBlock(HANDLE memory) {
    Block* block = Find(memory);
    if (!block) return FALSE;
    if (!block->moveable) return TRUE;
    if (block->locks == 0) return FALSE;
    return --block->locks > 0;
}

HANDLE ReAllocateBlock(HANDLE memory, SIZE_T bytes, UINT flags) {
    Block* block = Find(memory);
    if (!block) return nullptr;
    // Only discardable blocks may shrink to nothing, and none are made here.
    if (block->moveable && bytes == 0) return nullptr;
    bool mayMove = block->moveable ? (block->locks == 0 || (flags & GMEM_MOVEABLE)) : (flags & GMEM_MOVEABLE);
    // A block that must stay where it is can shrink but not grow.
    if (bytes > block->size && !mayMove) return nullptr;

    Block resized = *block;
    if (bytes > block->size) {
        resized.data = block->data ? std::realloc(block->data, bytes) : Allocate(bytes, false);
        if (!resized.data) return nullptr;
        if (flags & GMEM_ZEROINIT) {
            std::memset(static_cast<char*>(resized.data) + block->size, 0, bytes - block->size);
        }
    }
    resized.size = bytes;
    if (block->moveable) {
        *block = resized;
        return memory;
    }
    auto& byHandle = AllBlocks().byHandle;
    byHandle.erase(reinterpret_cast<uintptr_t>(memory));
    byHandle[reinterpret_cast<uintptr_t>(resized.data)] = resized;
    return resized.data;
}

HANDLE FreeBlock(HANDLE memory) {
    if (!memory) return nullptr;
    auto& byHandle = AllBlocks().byHandle;
    auto found = byHandle.find(reinterpret_cast<uintptr_t>(memory));
    if (found == byHandle.end()) return memory;
    std::free(found->second.data);
    byHandle.erase(found);
    return nullptr;
}

SIZE_T BlockSize(HANDLE memory) {
    Block* block = Find(memory);
    return block ? block->size : 0;
}

size_t LiveBlockCount() { return AllBlocks().byHandle.size(); }

}  // namespace kernel
