#include "app/images.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace {

constexpr int kSize = 16;

bool IsOpaque(std::uint32_t pixel) {
  return (pixel >> 24) == 0xFF;
}

ui::TImageList Filled(const std::function<void(ui::TImageList&)>& add) {
  ui::TImageList list(kSize, kSize);
  add(list);
  return list;
}

TEST(ImagesTest, EveryImageIsA16By16PictureWithOnlyOpaqueOrClearPixels) {
  struct Case {
    const char* name;
    std::function<void(ui::TImageList&)> add;
    int expectedCount;
  };
  for (const Case& c : {Case{"menu", app::AddMenuImages, 22}, Case{"tray", app::AddTrayIcons, 2}}) {
    const ui::TImageList list = Filled(c.add);
    ASSERT_EQ(list.Count(), c.expectedCount) << c.name;
    for (int i = 0; i < list.Count(); ++i) {
      const ui::TImage& image = *list.Get(i);
      EXPECT_EQ(image.Width, kSize) << c.name << " image " << i;
      EXPECT_EQ(image.Height, kSize) << c.name << " image " << i;
      ASSERT_EQ(image.Pixels.size(), 256u) << c.name << " image " << i;
      int opaque = 0;
      for (std::uint32_t pixel : image.Pixels) {
        // Half-transparent pixels would mean a palette colour lost its alpha.
        EXPECT_TRUE(IsOpaque(pixel) || pixel == 0)
            << c.name << " image " << i << " " << std::hex << pixel;
        opaque += IsOpaque(pixel);
      }
      EXPECT_GT(opaque, 0) << c.name << " image " << i << " is blank";
    }
  }
}

TEST(ImagesTest, ImagesAreAppendedAfterWhatTheListAlreadyHolds) {
  ui::TImageList list(kSize, kSize);
  list.Add(ui::TImage{kSize, kSize, std::vector<std::uint32_t>(256, 0xFF000000)});
  app::AddMenuImages(list);
  app::AddTrayIcons(list);
  ASSERT_EQ(list.Count(), 25);
  EXPECT_EQ(list.Get(0)->Pixels, std::vector<std::uint32_t>(256, 0xFF000000));
  EXPECT_EQ(list.Get(1)->Pixels, Filled(app::AddMenuImages).Get(0)->Pixels);
  EXPECT_EQ(list.Get(23)->Pixels, Filled(app::AddTrayIcons).Get(0)->Pixels);
}

TEST(ImagesTest, NoTwoMenuImagesAreTheSame) {
  const ui::TImageList list = Filled(app::AddMenuImages);
  for (int i = 0; i < list.Count(); ++i) {
    for (int j = i + 1; j < list.Count(); ++j) {
      EXPECT_NE(list.Get(i)->Pixels, list.Get(j)->Pixels) << "menu images " << i << " and " << j;
    }
  }
}

TEST(ImagesTest, TrayIconAlternateFrameVisiblyDiffersFromTheRestingOne) {
  const ui::TImageList list = Filled(app::AddTrayIcons);
  const auto& resting = list.Get(0)->Pixels;
  const auto& alternate = list.Get(1)->Pixels;
  int opaque = 0;
  int changed = 0;
  for (int i = 0; i < kSize * kSize; ++i) {
    if (!IsOpaque(resting[i])) continue;
    ++opaque;
    changed += resting[i] != alternate[i];
  }
  EXPECT_GE(changed * 4, opaque) << changed << " of " << opaque << " opaque pixels differ";
}

}  // namespace
