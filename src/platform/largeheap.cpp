#include "platform/largeheap.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define BW_ADVISE_HEAP 1
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#endif

namespace bw {

void reserveLargeHeap()
{
#ifdef BW_ADVISE_HEAP
    // Blocks below glibc's largest mmap threshold come from the heap; freeing them all
    // leaves one free top of the heap of their size. A block at or above the threshold
    // would be mapped apart and given back at once.
    constexpr std::size_t kBlock = std::size_t{16} << 20;
    constexpr std::size_t kBlocks = 32; // 512 MiB of address space, not of memory
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * kBlock));
    // Giving the top back would end the advice for the room given back and grown again.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);

    const auto start = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Volatile: the compiler may otherwise drop a block that is only allocated and freed.
    std::array<void* volatile, kBlocks> blocks{};
    for (void* volatile& block : blocks) block = std::malloc(kBlock);
    for (void* block : blocks) std::free(block);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));

    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (end > first + kHugePage) {
        // Only a hint: with huge pages off the heap simply stays as it was.
        madvise(reinterpret_cast<void*>(first), (end - first) & ~(kHugePage - 1), MADV_HUGEPAGE);
    }
#endif
}

void giveBackLargeHeap()
{
#ifdef BW_ADVISE_HEAP
    // Trimming shortens the heap, and room the heap grows into again is not advised:
    // hence the reservation anew.
    malloc_trim(0);
    reserveLargeHeap();
#endif
}

} // namespace bw
