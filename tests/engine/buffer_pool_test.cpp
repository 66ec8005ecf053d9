// The per-thread pool of pixel blocks behind ImageBuffer::create.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <utility>

#include "engine/image/buffer_pool.h"
#include "engine/image/image_buffer.h"

namespace trimlet {
namespace {

// 1000 x 500 x 3 = 1.5 MB: large enough to be pooled.
constexpr int kW = 1000, kH = 500;

ImageBuffer make(int w, int h, int channels = 3) {
  auto image = ImageBuffer::create(w, h, channels);
  EXPECT_TRUE(image) << image.reason();
  return image.take();
}

TEST(BufferPool, WithoutScopeNothingIsKept) {
  const uint8_t* first = nullptr;
  {
    ImageBuffer a = make(kW, kH);
    first = a.data();
  }
  BufferPoolScope pool;
  EXPECT_EQ(pool.idleBlocks(), 0u);
  EXPECT_NE(first, nullptr);
}

TEST(BufferPool, ReleasedBlockServesTheNextImageOfTheSameSize) {
  BufferPoolScope pool;
  ASSERT_TRUE(pool.active());
  const uint8_t* block = nullptr;
  {
    ImageBuffer a = make(kW, kH);
    block = a.data();
  }
  EXPECT_EQ(pool.idleBlocks(), 1u);
  ImageBuffer b = make(kW, kH);
  EXPECT_EQ(b.data(), block);
  EXPECT_EQ(pool.idleBlocks(), 0u);
  EXPECT_EQ(pool.reused(), 1u);
  EXPECT_EQ(pool.allocated(), 1u);
}

TEST(BufferPool, LargerBlockServesASmallerImageAndKeepsItsFullSize) {
  BufferPoolScope pool;
  { ImageBuffer big = make(kW, kH, 4); }
  ImageBuffer small = make(kW, kH, 3);  // reuses the 2 MB block
  EXPECT_EQ(pool.reused(), 1u);
  EXPECT_EQ(small.byteCount(), size_t(kW) * kH * 3);
  std::memset(small.data(), 7, small.byteCount());
  small.reset();
  // Back in the pool as the 2 MB block it is: a four-channel image fits again.
  ASSERT_EQ(pool.idleBytes(), size_t(kW) * kH * 4);
  ImageBuffer again = make(kW, kH, 4);
  EXPECT_EQ(pool.reused(), 2u);
}

TEST(BufferPool, TooSmallBlockIsNotUsedForALargerImage) {
  BufferPoolScope pool;
  { ImageBuffer small = make(kW, kH, 3); }
  ImageBuffer big = make(kW, kH, 4);
  EXPECT_EQ(pool.reused(), 0u);
  EXPECT_EQ(pool.idleBlocks(), 1u);
}

TEST(BufferPool, SmallImagesAreNotPooled) {
  BufferPoolScope pool;
  { ImageBuffer tiny = make(10, 10); }
  EXPECT_EQ(pool.idleBlocks(), 0u);
}

TEST(BufferPool, LimitsFreeTheSmallestIdleBlocksFirst) {
  BufferPoolScope pool(2, size_t(64) << 20);
  {
    ImageBuffer a = make(kW, kH, 3);      // 1.5 MB
    ImageBuffer b = make(kW * 2, kH, 3);  // 3 MB
    ImageBuffer c = make(kW * 3, kH, 3);  // 4.5 MB
  }
  EXPECT_EQ(pool.idleBlocks(), 2u);
  EXPECT_EQ(pool.idleBytes(), size_t(kW) * kH * 3 * 5);

  BufferPoolScope nested;  // nested: refused, keeps nothing
  EXPECT_FALSE(nested.active());
}

TEST(BufferPool, ByteLimitBoundsTheIdleStore) {
  BufferPoolScope pool(8, size_t(kW) * kH * 3 * 2);
  {
    ImageBuffer a = make(kW, kH);
    ImageBuffer b = make(kW, kH);
    ImageBuffer c = make(kW, kH);
  }
  EXPECT_EQ(pool.idleBlocks(), 2u);
  EXPECT_LE(pool.idleBytes(), size_t(kW) * kH * 3 * 2);
}

TEST(BufferPool, BufferOutlivingItsScopeIsFreedNormally) {
  ImageBuffer survivor;
  {
    BufferPoolScope pool;
    survivor = make(kW, kH);
    survivor.data()[0] = 42;
  }
  EXPECT_EQ(survivor.data()[0], 42);
  survivor.reset();  // no pool on this thread any more: freed
  BufferPoolScope next;
  EXPECT_EQ(next.idleBlocks(), 0u);
}

TEST(BufferPool, EachThreadHasItsOwnPool) {
  BufferPoolScope mine;
  ImageBuffer handed = make(kW, kH);
  std::thread other([&] {
    BufferPoolScope theirs;
    EXPECT_TRUE(theirs.active());
    ImageBuffer moved = std::move(handed);
    moved.reset();  // released on this thread: goes to its pool
    EXPECT_EQ(theirs.idleBlocks(), 1u);
  });
  other.join();
  EXPECT_EQ(mine.idleBlocks(), 0u);
}

TEST(BufferPool, MovedBufferGivesItsBlockBackOnce) {
  BufferPoolScope pool;
  ImageBuffer a = make(kW, kH);
  ImageBuffer b = std::move(a);
  EXPECT_TRUE(a.empty());
  a.reset();
  EXPECT_EQ(pool.idleBlocks(), 0u);
  b = make(kW, kH);  // the old block of b goes back, the new one is fresh
  EXPECT_EQ(pool.idleBlocks(), 1u);
}

}  // namespace
}  // namespace trimlet
