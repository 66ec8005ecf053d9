#include "engine/image/buffer_pool.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <new>

namespace trimlet {

namespace {

thread_local BufferPoolScope* currentPool = nullptr;

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14
#endif

// Blocks from this size on are mapped in with one call instead of one page
// fault per 4 KiB as their pages are first written: the same zeroed pages,
// without a trap into the kernel for each. Every pixel of a new image is
// written anyway.
constexpr size_t kPopulateMinimumBytes = size_t(4) << 20;

uint8_t* allocate(size_t bytes) {
  uint8_t* data = new (std::nothrow) uint8_t[bytes];
  if (data && bytes >= kPopulateMinimumBytes) {
    const long pageSize = sysconf(_SC_PAGESIZE);
    const uintptr_t page = pageSize > 0 ? uintptr_t(pageSize) : 4096;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + page - 1) / page * page;
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) / page * page;
    // Advice only: a kernel without it refuses, and the pages fault in as usual.
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
  }
  return data;
}

}  // namespace

BufferPoolScope::BufferPoolScope(size_t maxBlocks, size_t maxBytes)
    : maxBlocks_(maxBlocks), maxBytes_(maxBytes) {
  if (currentPool) return;
  currentPool = this;
  active_ = true;
  blocks_.reserve(maxBlocks_ + 1);
}

BufferPoolScope::~BufferPoolScope() {
  if (!active_) return;
  currentPool = nullptr;
  for (const Block& block : blocks_) delete[] block.data;
}

uint8_t* BufferPoolScope::take(size_t bytes, size_t* capacity) {
  // The smallest idle block that holds the request.
  auto best = blocks_.end();
  for (auto it = blocks_.begin(); it != blocks_.end(); ++it)
    if (it->capacity >= bytes && (best == blocks_.end() || it->capacity < best->capacity))
      best = it;
  if (best != blocks_.end()) {
    uint8_t* data = best->data;
    *capacity = best->capacity;
    idleBytes_ -= best->capacity;
    blocks_.erase(best);
    ++reused_;
    return data;
  }
  ++allocated_;
  *capacity = bytes;
  return allocate(bytes);
}

void BufferPoolScope::give(uint8_t* data, size_t capacity) {
  if (capacity < kPooledMinimumBytes || maxBlocks_ == 0 || capacity > maxBytes_) {
    delete[] data;
    return;
  }
  blocks_.push_back(Block{data, capacity});
  idleBytes_ += capacity;
  // Over a limit: free the smallest blocks first (a large block also serves
  // smaller requests).
  while (blocks_.size() > maxBlocks_ || idleBytes_ > maxBytes_) {
    auto smallest =
        std::min_element(blocks_.begin(), blocks_.end(),
                         [](const Block& a, const Block& b) { return a.capacity < b.capacity; });
    idleBytes_ -= smallest->capacity;
    delete[] smallest->data;
    blocks_.erase(smallest);
  }
}

uint8_t* acquireImageStorage(size_t bytes, size_t* capacity) {
  if (currentPool && bytes >= kPooledMinimumBytes) return currentPool->take(bytes, capacity);
  *capacity = bytes;
  return allocate(bytes);
}

void releaseImageStorage(uint8_t* data, size_t capacity) {
  if (!data) return;
  if (currentPool) {
    currentPool->give(data, capacity);
    return;
  }
  delete[] data;
}

}  // namespace trimlet
