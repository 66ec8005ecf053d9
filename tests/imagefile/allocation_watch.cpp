#include "tests/imagefile/allocation_watch.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace trimlet::test {

namespace {
std::atomic<int> watchers{0};
std::atomic<size_t> largest{0};

void* allocate(size_t n) {
  if (watchers.load(std::memory_order_relaxed) > 0) {
    size_t seen = largest.load(std::memory_order_relaxed);
    while (n > seen && !largest.compare_exchange_weak(seen, n)) {
    }
  }
  for (;;) {
    if (void* p = std::malloc(n ? n : 1)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) return nullptr;
    handler();
  }
}
}  // namespace

LargestAllocation::LargestAllocation() {
  largest = 0;
  ++watchers;
}
LargestAllocation::~LargestAllocation() { --watchers; }
size_t LargestAllocation::bytes() const { return largest.load(); }

}  // namespace trimlet::test

void* operator new(size_t n) {
  if (void* p = trimlet::test::allocate(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) {
  if (void* p = trimlet::test::allocate(n)) return p;
  throw std::bad_alloc();
}
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  try {
    return trimlet::test::allocate(n);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept {
  try {
    return trimlet::test::allocate(n);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
