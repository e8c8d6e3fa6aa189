#pragma once
// How the program's heap is laid out before start-up fills it.

#include <cstddef>

namespace plat {

// Start-up builds every window of the program, and nearly all the memory it
// touches is fresh heap: each first touch of a small page is a fault to the
// system, and those faults cost more than building the windows. This grows
// the heap by Bytes at once and asks for it to be backed by large pages,
// and keeps freed heap instead of handing it back (the program's heap stays
// well below Bytes). Call it first thing in main; without large pages the
// heap is only grown early. Returns whether large pages were asked for.
bool Prepare_Heap(std::size_t Bytes);

}  // namespace plat
