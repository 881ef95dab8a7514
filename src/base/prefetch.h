// Prefetch asks the processor to bring the cache line holding `address`
// into its caches ahead of a load. Loops whose look-ups go to tables far
// larger than the caches, in no useful order, use it to have several of
// those loads under way at once instead of waiting for each in turn.
//
// Precondition: `address` points into a live object (it is never read
// through, but it must be an address the program could load from).
#pragma once

namespace docbase {

inline void Prefetch(const void* address) {
#if defined(__x86_64__) || defined(__i386__)
  // The compiler's builtin is a hint it may drop, and at -O3 it drops the
  // ones whose address comes out of a deque; the instruction stays.
  asm volatile("prefetcht0 %0" : : "m"(*static_cast<const char*>(address)));
#else
  __builtin_prefetch(address);
#endif
}

}  // namespace docbase
