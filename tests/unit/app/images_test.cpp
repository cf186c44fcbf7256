#include "app/images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

namespace {

TEST(ImagesTest, EachPictureIsDistinctFilledAndOnlyOpaqueOrClearAfterWhatTheListHeld) {
  const ui::TImage held{16, 16, std::vector<std::uint32_t>(256, 0xFF000000)};
  const std::pair<void (*)(ui::TImageList&), int> cases[] = {{app::AddMenuImages, 22},
                                                             {app::AddTrayIcons, 2}};
  for (const auto& [add, count] : cases) {
    ui::TImageList list(16, 16);
    list.Add(held);
    add(list);
    ASSERT_EQ(list.Count(), count + 1);
    EXPECT_EQ(list.Get(0)->Pixels, held.Pixels);
    std::set<std::vector<std::uint32_t>> distinct;
    for (int i = 1; i < list.Count(); ++i) {
      const ui::TImage& image = *list.Get(i);
      ASSERT_EQ(std::tuple(image.Width, image.Height, image.Pixels.size()),
                std::tuple(16, 16, 256u));
      // Half-transparent pixels would mean a palette colour lost its alpha.
      const auto opaque =
          std::ranges::count_if(image.Pixels, [](auto p) { return p >> 24 == 0xFF; });
      EXPECT_EQ(opaque + std::ranges::count(image.Pixels, 0u), 256) << i;
      EXPECT_GT(opaque, 0) << i << " is blank";
      distinct.insert(image.Pixels);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(count)) << "two alike";
  }
}

}  // namespace
