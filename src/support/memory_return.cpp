#include "support/memory_return.h"

#include <cstdlib>  // names the C library: __GLIBC__

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace gorbix {

namespace {

// Blocks at least this large have pages of their own, returned when freed;
// an arena's free top beyond it is returned too. Fixing both stops the
// allocator from raising them after each large block.
constexpr int kOwnPagesFrom = 128 * 1024;

}  // namespace

void returnFreedMemoryEagerly() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
  mallopt(M_TRIM_THRESHOLD, kOwnPagesFrom);
#endif
}

void returnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace gorbix
