#include "heap_counter.hpp"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace oru::bench {
namespace {

// Plain counters: the benchmarks run on one thread.
std::size_t gLive = 0;
std::size_t gPeak = 0;

// Every block carries a header just before the pointer handed out: the size requested and the
// distance back to the start of the block malloc gave.
struct Header {
    std::size_t size;
    std::size_t offset;
};
constexpr std::size_t kHeader = 16;
static_assert(sizeof(Header) <= kHeader);

void* allocate(std::size_t size, std::size_t align) {
    const std::size_t offset = align > kHeader ? align : kHeader;
    void* block = nullptr;
    if (align > alignof(std::max_align_t)) {
        if (posix_memalign(&block, align, size + offset) != 0) block = nullptr;
    } else {
        block = std::malloc(size + offset);
    }
    if (block == nullptr) return nullptr;
    auto* user = static_cast<unsigned char*>(block) + offset;
    *reinterpret_cast<Header*>(user - kHeader) = {size, offset};
    gLive += size;
    if (gLive > gPeak) gPeak = gLive;
    return user;
}

void release(void* p) noexcept {
    if (p == nullptr) return;
    auto* user = static_cast<unsigned char*>(p);
    const Header h = *reinterpret_cast<Header*>(user - kHeader);
    gLive -= h.size;
    std::free(user - h.offset);
}

void* allocateOrThrow(std::size_t size, std::size_t align) {
    void* p = allocate(size == 0 ? 1 : size, align);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

}  // namespace

HeapFigures Heap() { return {gLive, gPeak}; }
void ResetHeapPeak() { gPeak = gLive; }

}  // namespace oru::bench

using oru::bench::allocate;
using oru::bench::allocateOrThrow;
using oru::bench::release;

constexpr std::size_t kPlain = alignof(std::max_align_t);

void* operator new(std::size_t n) { return allocateOrThrow(n, kPlain); }
void* operator new[](std::size_t n) { return allocateOrThrow(n, kPlain); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return allocate(n ? n : 1, kPlain);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return allocate(n ? n : 1, kPlain);
}
void* operator new(std::size_t n, std::align_val_t a) {
    return allocateOrThrow(n, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return allocateOrThrow(n, static_cast<std::size_t>(a));
}
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocate(n ? n : 1, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocate(n ? n : 1, static_cast<std::size_t>(a));
}

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
