// Large blocks of memory filled once, front to back.
#pragma once

#include <cstddef>

namespace korvane {

// Asks the system to back the whole pages of [data, data + bytes) with large pages where it can,
// before anything is written there. Filling a block of many megabytes otherwise costs a fault for
// every 4 KiB, which in a virtual machine costs more than the work on the data; where the system
// has no such pages, nothing happens.
void AdviseLargePages(void* data, size_t bytes);

}  // namespace korvane
