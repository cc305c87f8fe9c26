#pragma once
// Counts every heap allocation of a program linked with countingnew.cpp, where the
// global operator new is replaced by one that counts and calls malloc.
#include <atomic>
#include <cstddef>

namespace porimogu {
inline std::atomic<long long> g_allocations{0};
inline long long Allocations() { return g_allocations.load(std::memory_order_relaxed); }
// When set, called with the size of every allocation (to find where they come from).
inline void (*g_allocationHook)(std::size_t) = nullptr;
} // namespace porimogu
