// Replaces the global allocation functions with counting ones over malloc;
// kept alone in its file so that no caller's new expression is inlined
// against these definitions. Every form is replaced, the nothrow and
// aligned ones too (stable_sort takes its buffer with the nothrow form), so
// that no block is freed by an allocator other than the one that gave it.
#include "ContaAllocazioni.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocazioni{0};

void* Alloca(std::size_t n, std::size_t allineamento) noexcept {
  ++allocazioni;
  if (n == 0) n = 1;
  if (allineamento <= alignof(std::max_align_t)) return std::malloc(n);
  // aligned_alloc wants a size that is a multiple of the alignment.
  return std::aligned_alloc(allineamento, (n + allineamento - 1) / allineamento * allineamento);
}

void* AllocaOLancia(std::size_t n, std::size_t allineamento) {
  if (void* p = Alloca(n, allineamento)) return p;
  throw std::bad_alloc();
}

constexpr std::size_t Normale = alignof(std::max_align_t);

std::size_t Allineamento(std::align_val_t a) { return static_cast<std::size_t>(a); }

}  // namespace

long Allocazioni() { return allocazioni; }

void* operator new(std::size_t n) { return AllocaOLancia(n, Normale); }
void* operator new[](std::size_t n) { return AllocaOLancia(n, Normale); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Alloca(n, Normale); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Alloca(n, Normale); }
void* operator new(std::size_t n, std::align_val_t a) { return AllocaOLancia(n, Allineamento(a)); }
void* operator new[](std::size_t n, std::align_val_t a) { return AllocaOLancia(n, Allineamento(a)); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return Alloca(n, Allineamento(a));
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return Alloca(n, Allineamento(a));
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
