#include "app/images.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

TEST(ImagesTest, EachPictureIsDistinctFilledAndOnlyOpaqueOrClearAfterWhatTheListHeld) {
  const ui::TImage held{16, 16, std::vector<std::uint32_t>(256, 0xFF000000)};
  const struct {
    const char* name;
    void (*add)(ui::TImageList&);
    int count;
  } cases[] = {{"menu", app::AddMenuImages, 22}, {"tray", app::AddTrayIcons, 2}};
  for (const auto& c : cases) {
    ui::TImageList list(16, 16);
    list.Add(held);
    c.add(list);
    ASSERT_EQ(list.Count(), c.count + 1) << c.name;
    EXPECT_EQ(list.Get(0)->Pixels, held.Pixels) << c.name;
    std::set<std::vector<std::uint32_t>> distinct;
    for (int i = 1; i < list.Count(); ++i) {
      const ui::TImage& image = *list.Get(i);
      EXPECT_EQ(std::pair(image.Width, image.Height), std::pair(16, 16)) << c.name << " " << i;
      ASSERT_EQ(image.Pixels.size(), 256u) << c.name << " " << i;
      // Half-transparent pixels would mean a palette colour lost its alpha.
      const auto opaque = std::count_if(image.Pixels.begin(), image.Pixels.end(),
                                        [](std::uint32_t p) { return p >> 24 == 0xFF; });
      EXPECT_EQ(opaque + std::count(image.Pixels.begin(), image.Pixels.end(), 0u), 256)
          << c.name << " " << i;
      EXPECT_GT(opaque, 0) << c.name << " " << i << " is blank";
      distinct.insert(image.Pixels);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(c.count)) << c.name << ": two alike";
  }
}

}  // namespace
