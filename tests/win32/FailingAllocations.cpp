#include "FailingAllocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr long Never = -1;
std::atomic<long> allowed{Never};
std::atomic<long> liveCount{0};
std::atomic<long> madeCount{0};

void* allocate(std::size_t size) {
    if (allowed.load() != Never && allowed.fetch_sub(1) <= 0) {
        allowed.store(0);
        throw std::bad_alloc();
    }
    void* p = std::malloc(size ? size : 1);
    if (!p) {
        throw std::bad_alloc();
    }
    ++liveCount;
    ++madeCount;
    return p;
}

void release(void* p) noexcept {
    if (p) {
        --liveCount;
        std::free(p);
    }
}

} // namespace

namespace failingallocations {

void failAfter(long count) {
    allowed.store(count);
}

void allowAll() {
    allowed.store(Never);
}

long live() {
    return liveCount.load();
}

long made() {
    return madeCount.load();
}

} // namespace failingallocations

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}
