// Replaces the global allocation functions with counting ones over malloc;
// kept alone in its file so that no caller's new expression is inlined
// against these definitions.
#include "ContaAllocazioni.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocazioni{0};

}  // namespace

long Allocazioni() { return allocazioni; }

void* operator new(std::size_t n) {
  ++allocazioni;
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
