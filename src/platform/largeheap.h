// The heap made ready for the large sheets of a long log.
#pragma once

namespace bw {

// Reserves room at the top of the process's heap and asks the kernel to back it with
// huge pages where it can. A report at the most trips a log holds builds and reads
// sheets of some hundred megabytes: with pages of 4 KiB the processor spends much of that
// work on page faults and address-translation misses, with 2 MiB pages hardly any.
// Nothing is touched, so the resident memory does not grow; freed room stays in the heap
// (it would lose the advice if given back) until giveBackLargeHeap. Call
// first thing in main(), before other threads start; does nothing where the C library's
// allocator is not glibc's or a sanitizer replaces it.
void reserveLargeHeap();

// Gives the memory freed since back to the system and reserves the room again: for after
// a large piece of work (a report at the limit), so that the process does not keep its
// peak for as long as it runs.
void giveBackLargeHeap();

} // namespace bw
