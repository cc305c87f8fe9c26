// The replaced global allocation functions that countingnew.h counts with. They live in a
// source file of their own: the compiler then sees only calls to them, never their
// malloc and free, and pairs every new with its own delete.
#include "countingnew.h"

#include <cstdlib>
#include <new>

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
