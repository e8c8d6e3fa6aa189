#include "platform/ProcessMemory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace plat {

namespace {

constexpr std::uintptr_t Large_Page = 2u << 20;
// Below the size the allocator serves from separate mappings.
constexpr std::size_t Probe_Block = 64u << 10;
// The allocator's own pad when it grows the heap.
constexpr int Default_Top_Pad = 128 << 10;

}  // namespace

bool Prepare_Heap(std::size_t Bytes) {
    const int bytes = static_cast<int>(Bytes);
    // Freed heap at the top is kept up to twice the reserve, so what is
    // asked for here is not handed back by the first large free.
    mallopt(M_TRIM_THRESHOLD, 2 * bytes);
    mallopt(M_TOP_PAD, bytes);
    auto* const before = static_cast<char*>(sbrk(0));
    // The heap grows by the pad once a request exceeds what is left at its
    // top: a few small blocks are enough.
    std::vector<void*> probes;
    while (static_cast<char*>(sbrk(0)) == before && probes.size() < 64) probes.push_back(std::malloc(Probe_Block));
    auto* const after = static_cast<char*>(sbrk(0));
    for (void* p : probes) std::free(p);
    mallopt(M_TOP_PAD, Default_Top_Pad);
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(before) + Large_Page - 1) & ~(Large_Page - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(after) & ~(Large_Page - 1);
    if (end <= begin) return false;
    return madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE) == 0;
}

}  // namespace plat
