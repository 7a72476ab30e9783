// Memory that the program has freed goes back to the system, so a game that
// searched a moment ago is as small when idle as one that never searched.
#pragma once

namespace gorbix {

// Call once at start-up, before other threads run. The C library otherwise
// learns from every large block freed to keep ever larger ones for later,
// up to tens of megabytes in each thread's arena.
void returnFreedMemoryEagerly();

// Hands back what has been freed since: after a search, whose tables are
// gone by then.
void returnFreedMemory();

}  // namespace gorbix
