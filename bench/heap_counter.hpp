#pragma once

// Heap accounting for the memory benchmarks: the benchmark program replaces the global operator
// new and delete, so that every allocation of the library (and of the standard library on its
// behalf) is counted. Bytes are those requested, without the allocator's own overhead.
#include <cstddef>

namespace oru::bench {

struct HeapFigures {
    std::size_t live = 0;  // bytes allocated and not yet freed
    std::size_t peak = 0;  // highest `live` since the last ResetHeapPeak
};

HeapFigures Heap();
// Starts a new peak from the bytes live now.
void ResetHeapPeak();

}  // namespace oru::bench
