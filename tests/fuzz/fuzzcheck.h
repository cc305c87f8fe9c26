#pragma once
// What every fuzz target shares: the libFuzzer entry point and a check that stops the
// run (and so reports the input) when a property fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace porimogu::fuzz {

// Aborts with the failed property's text: libFuzzer keeps the input as a crash, the
// replay driver fails.
inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

} // namespace porimogu::fuzz
