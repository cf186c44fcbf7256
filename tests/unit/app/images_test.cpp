#include "app/images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

namespace {

TEST(ImagesTest, EachPictureIsDistinctFilledAndOnlyOpaqueOrClear) {
  for (const auto& [add, count] : {std::pair(&app::AddMenuImages, 22), {&app::AddTrayIcons, 2}}) {
    ui::TImageList list(16, 16);
    add(list);
    ASSERT_EQ(list.Count(), count);
    std::set<std::vector<std::uint32_t>> distinct;
    for (int i = 0; i < count; ++i) {
      const std::vector<std::uint32_t>& pixels = list.Get(i)->Pixels;
      ASSERT_EQ(pixels.size(), 256u);
      // Half-transparent pixels would mean a palette colour lost its alpha.
      const auto opaque = std::ranges::count_if(pixels, [](auto p) { return p >> 24 == 0xFF; });
      EXPECT_TRUE(opaque > 0 && opaque + std::ranges::count(pixels, 0u) == 256) << i;
      distinct.insert(pixels);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(count)) << "two alike";
  }
}

}  // namespace
