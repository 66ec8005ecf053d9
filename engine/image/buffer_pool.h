#pragma once
// A small per-thread store of pixel storage, so that a thread working through
// many images of one size reuses its large blocks instead of asking the
// system for fresh pages (and paying a page fault per 4 KiB) for every image.
//
// Use: a BufferPoolScope on the stack of a worker thread turns pooling on for
// that thread until the scope ends. Inside it, ImageBuffer::create() takes
// the smallest kept block that is large enough, and an ImageBuffer released
// on that thread gives its block back instead of freeing it. Without a scope
// nothing is kept: blocks are allocated and freed as usual.
//
// Limits: a scope keeps at most `maxBlocks` idle blocks and `maxBytes` idle
// bytes; when a returned block would exceed either, the smallest idle blocks
// are freed first. Blocks below kPooledMinimumBytes are never kept (small
// allocations are cheap). The contents of a reused block are unspecified, as
// for any new ImageBuffer.
//
// Threads: the pool is the calling thread's own; no locking. A buffer may be
// released on another thread: it then goes to that thread's pool, or is
// freed there when that thread has none. Scopes do not nest (a second scope
// on the same thread is refused at construction: it keeps nothing). Ending a
// scope frees every idle block; buffers still in use stay valid and are
// freed normally when released.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trimlet {

constexpr size_t kPooledMinimumBytes = size_t(1) << 20;

// Limits for a thread that turns and crops one large picture after another
// (the window's thread): a 12-megapixel picture's cut, turned result and its
// three-byte form stay kept between two edits.
constexpr size_t kInteractivePoolBlocks = 6;
constexpr size_t kInteractivePoolBytes = size_t(256) << 20;

class BufferPoolScope {
 public:
  explicit BufferPoolScope(size_t maxBlocks = 4, size_t maxBytes = size_t(128) << 20);
  ~BufferPoolScope();
  BufferPoolScope(const BufferPoolScope&) = delete;
  BufferPoolScope& operator=(const BufferPoolScope&) = delete;

  // Whether this scope is the thread's active pool (false for a nested one).
  bool active() const { return active_; }
  size_t idleBlocks() const { return blocks_.size(); }
  size_t idleBytes() const { return idleBytes_; }
  // How many requests a kept block served, and how many were allocated anew.
  size_t reused() const { return reused_; }
  size_t allocated() const { return allocated_; }

 private:
  struct Block {
    uint8_t* data;
    size_t capacity;
  };
  friend uint8_t* acquireImageStorage(size_t bytes, size_t* capacity);
  friend void releaseImageStorage(uint8_t* data, size_t capacity);
  uint8_t* take(size_t bytes, size_t* capacity);
  void give(uint8_t* data, size_t capacity);

  size_t maxBlocks_;
  size_t maxBytes_;
  bool active_ = false;
  std::vector<Block> blocks_;
  size_t idleBytes_ = 0;
  size_t reused_ = 0;
  size_t allocated_ = 0;
};

// Storage of at least `bytes` bytes (from the thread's pool when it has a
// fitting block); *capacity receives the block's real size, which must be
// handed back to releaseImageStorage. nullptr when the allocation fails.
uint8_t* acquireImageStorage(size_t bytes, size_t* capacity);
// Gives storage from acquireImageStorage back (to the pool or the system).
// nullptr is ignored.
void releaseImageStorage(uint8_t* data, size_t capacity);

}  // namespace trimlet
