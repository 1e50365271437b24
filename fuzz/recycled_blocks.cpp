// Large blocks for the window fuzz target, recycled from one sequence to the next.
//
// Each sequence makes a fresh window: its two views' images and pictures and its star table are
// blocks of 170 to 300 KB. The sanitizer's allocator maps every block of that size afresh and
// unmaps it when it is freed, so most of a sequence's time went into page faults and unmapping.
// Here the plain forms of new and delete keep such blocks instead: a freed block is poisoned
// (any later use is reported, as a use after free would be) and rests until the sequence ends;
// only then may the next sequence reuse it, for a request of exactly its size, so the block's
// redzones still catch an overflow. Nothing is reused within the sequence that freed it.
#include "recycled_blocks.hpp"

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <sanitizer/allocator_interface.h>
#include <sanitizer/asan_interface.h>

namespace {

// Blocks from this size up come from the allocator's mapped region (smaller ones are pooled).
constexpr std::size_t kLargeBlock = std::size_t{128} * 1024;

enum class Shelf : unsigned char { Empty, Resting, Ready };

struct Slot {
    void* block{nullptr};
    std::size_t size{0};
    Shelf shelf{Shelf::Empty};
};

// A sequence holds a dozen large blocks at a time; more than fit here are freed as usual.
std::array<Slot, 64> slots;
std::atomic_flag busy = ATOMIC_FLAG_INIT;

class Lock {
public:
    Lock() {
        while (busy.test_and_set(std::memory_order_acquire)) {
        }
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    ~Lock() { busy.clear(std::memory_order_release); }
};

void* takeReady(std::size_t size) {
    const Lock lock;
    for (Slot& slot : slots) {
        if (slot.shelf == Shelf::Ready && slot.size == size) {
            slot.shelf = Shelf::Empty;
            ASAN_UNPOISON_MEMORY_REGION(slot.block, size);
            return slot.block;
        }
    }
    return nullptr;
}

bool putResting(void* block) {
    const std::size_t size = __sanitizer_get_allocated_size(block);
    if (size < kLargeBlock) {
        return false;
    }
    const Lock lock;
    Slot* free = nullptr;
    for (Slot& slot : slots) {
        if (slot.shelf == Shelf::Empty) {
            free = &slot;
            break;
        }
        if (slot.shelf == Shelf::Ready && free == nullptr) {
            free = &slot;
        }
    }
    if (free == nullptr) {
        return false;
    }
    // A ready block that no request has taken (the size of a saved file's bytes, say) makes way
    // for the one freed now, so that stale sizes cannot fill the shelf.
    if (free->shelf == Shelf::Ready) {
        ASAN_UNPOISON_MEMORY_REGION(free->block, free->size);
        std::free(free->block);
    }
    ASAN_POISON_MEMORY_REGION(block, size);
    *free = {block, size, Shelf::Resting};
    return true;
}

void* allocate(std::size_t size) noexcept {
    if (size >= kLargeBlock) {
        if (void* block = takeReady(size)) {
            return block;
        }
    }
    return std::malloc(size == 0 ? 1 : size);
}

void release(void* block) noexcept {
    if (block != nullptr && !putResting(block)) {
        std::free(block);
    }
}

void* allocateOrThrow(std::size_t size) {
    if (void* block = allocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

namespace vantor::fuzz {

void endSequence() {
    const Lock lock;
    for (Slot& slot : slots) {
        if (slot.shelf == Shelf::Resting) {
            slot.shelf = Shelf::Ready;
        }
    }
}

} // namespace vantor::fuzz

void* operator new(std::size_t size) {
    return allocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return allocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    release(block);
}
