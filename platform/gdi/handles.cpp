#include <atomic>
#include <cstdint>

#include "objects.h"

namespace gdi {

namespace {

struct Slot {
    std::unique_ptr<Object> object;
    uint32_t generation = 1;
};

std::vector<Slot>& Slots() {
    static std::vector<Slot> slots;
    return slots;
}

std::vector<uint32_t>& FreeSlots() {
    static std::vector<uint32_t> free;
    return free;
}

// Slot index in the low bits (plus one, so no handle is null), generation above: 32 bits each in a 64-bit
// handle, 20 and 12 where handles are 32 bits wide (the browser's wasm32).
constexpr int kIndexBits = sizeof(uintptr_t) >= 8 ? 32 : 20;
constexpr uintptr_t kIndexMask = (uintptr_t(1) << kIndexBits) - 1;
constexpr uint32_t kLastGeneration = uint32_t(UINTPTR_MAX >> kIndexBits);

HGDIOBJ Encode(uint32_t index, uint32_t generation) {
    return reinterpret_cast<HGDIOBJ>((uintptr_t(generation) << kIndexBits) | (uintptr_t(index) + 1));
}

Slot* Decode(HGDIOBJ handle) {
    uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    uint32_t low = uint32_t(value & kIndexMask);
    if (low == 0) return nullptr;
    uint32_t index = low - 1;
    auto& slots = Slots();
    if (index >= slots.size()) return nullptr;
    Slot& slot = slots[index];
    if (!slot.object || slot.generation != uint32_t(value >> kIndexBits)) return nullptr;
    return &slot;
}

}  // namespace

HGDIOBJ AddObject(std::unique_ptr<Object> object) {
    auto& slots = Slots();
    auto& free = FreeSlots();
    uint32_t index;
    if (!free.empty()) {
        index = free.back();
        free.pop_back();
    } else {
        index = uint32_t(slots.size());
        slots.emplace_back();
    }
    slots[index].object = std::move(object);
    return Encode(index, slots[index].generation);
}

namespace {

// Each thread's last handle looked up: effects call GetPixel and SetPixel millions of times on one DC. A
// handle's generation makes it unique; any removal of an object, on any thread, forgets them all.
std::atomic<uint64_t> removals{0};
struct LastLookUp {
    HGDIOBJ handle = nullptr;
    Object* object = nullptr;
    uint64_t removals = 0;
};
thread_local LastLookUp last;

}  // namespace

Object* FindObject(HGDIOBJ handle) {
    uint64_t removed = removals.load(std::memory_order_acquire);
    if (handle && handle == last.handle && last.removals == removed) return last.object;
    Slot* slot = Decode(handle);
    Object* object = slot ? slot->object.get() : nullptr;
    if (object) last = {handle, object, removed};
    return object;
}

void RemoveObject(HGDIOBJ handle) {
    Slot* slot = Decode(handle);
    if (!slot) return;
    removals.fetch_add(1, std::memory_order_release);
    slot->object.reset();
    slot->generation = slot->generation == kLastGeneration ? 1 : slot->generation + 1;
    FreeSlots().push_back(uint32_t(slot - Slots().data()));
}

size_t LiveObjectCount() { return Slots().size() - FreeSlots().size(); }

void ReleaseSelection(HGDIOBJ handle) {
    Object* object = FindObject(handle);
    if (!object) return;
    if (object->selections > 0) object->selections--;
    if (object->selections == 0 && object->deletePending) RemoveObject(handle);
}

}  // namespace gdi
