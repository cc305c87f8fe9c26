#pragma once
// Counts every heap allocation of the program that includes it (once, in one source
// file): the global operator new is replaced by one that counts and calls malloc.
#include <atomic>
#include <cstdlib>
#include <new>

namespace porimogu {
inline std::atomic<long long> g_allocations{0};
inline long long Allocations() { return g_allocations.load(std::memory_order_relaxed); }
// When set, called with the size of every allocation (to find where they come from).
inline void (*g_allocationHook)(std::size_t) = nullptr;
} // namespace porimogu

void* operator new(std::size_t size)
{
    porimogu::g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (porimogu::g_allocationHook)
        porimogu::g_allocationHook(size);
    if (void* p = std::malloc(size != 0 ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    porimogu::g_allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
