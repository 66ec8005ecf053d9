// The view's stored flags and the rows it paints from.
#include <gtest/gtest.h>

#include <vector>

#include "engine/settings/profile_store.h"
#include "preview/model/display_rows.h"
#include "preview/model/view_controls_store.h"

namespace trimlet {
namespace {

TEST(ViewControls, DefaultToOffAndRoundTrip) {
  MemoryProfileStore store;
  const ViewControlFlags none = readViewControls(store);
  EXPECT_FALSE(none.keyControll);
  EXPECT_FALSE(none.wholeSelect);
  writeViewControls(store, {true, false});
  EXPECT_EQ(store.intValue("Controls", "KeyControll"), 1);
  EXPECT_EQ(store.intValue("Controls", "WholeSelect"), 0);
  store.writeInt("Controls", "WholeSelect", 1);
  const ViewControlFlags read = readViewControls(store);
  EXPECT_TRUE(read.keyControll);
  EXPECT_TRUE(read.wholeSelect);
}

TEST(DisplayRows, SwapToBlueFirstAndPadEachRow) {
  // 2 x 2, red-first, bottom row first: 6 bytes per row become 8.
  const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  Result<DisplayRows> rows = makeDisplayRows(rgb.data(), 2, 2, 3);
  ASSERT_TRUE(rows.ok()) << rows.reason();
  EXPECT_EQ(rows->stride, 8u);
  EXPECT_EQ(rows->bytes, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 0, 0, 9, 8, 7, 12, 11, 10, 0, 0}));
}

TEST(DisplayRows, DropTheFourthByte) {
  const std::vector<uint8_t> rgba = {1, 2, 3, 200, 4, 5, 6, 201};
  Result<DisplayRows> rows = makeDisplayRows(rgba.data(), 2, 1, 4);
  ASSERT_TRUE(rows.ok()) << rows.reason();
  EXPECT_EQ(rows->bytes, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 0, 0}));
}

TEST(DisplayRows, RefuseWhatCannotBeShown) {
  const std::vector<uint8_t> grey = {1, 2, 3, 4};
  EXPECT_FALSE(makeDisplayRows(grey.data(), 2, 2, 1).ok());
  EXPECT_FALSE(makeDisplayRows(grey.data(), 0, 2, 3).ok());
  EXPECT_FALSE(makeDisplayRows(nullptr, 1, 1, 3).ok());
  Result<DisplayRows> huge = makeDisplayRows(grey.data(), 100000, 100000, 3);
  ASSERT_FALSE(huge.ok());
  EXPECT_FALSE(huge.reason().empty());
}

}  // namespace
}  // namespace trimlet
