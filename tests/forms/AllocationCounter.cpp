// Replaces the global allocation functions of this test program with ones
// that count. They live in a file of their own, compiled alone (not in a
// unity batch), so the compiler never sees an allocation and its release
// inlined together across the replacement.
#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
// The nothrow form (std::stable_sort's buffer takes it) must come from the
// same malloc that the replaced delete frees into.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace wexa::testing {

long AllocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

} // namespace wexa::testing
