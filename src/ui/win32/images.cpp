#include <vector>

#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

// A top-down 32-bit DIB section; 0xAARRGGBB pixels have its memory layout.
HBITMAP CreateBitmap32(const TImage& image, std::uint32_t** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.Width;
  info.bmiHeader.biHeight = -image.Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  *pixels = static_cast<std::uint32_t*>(bits);
  return bitmap;
}

std::uint32_t Premultiplied(std::uint32_t argb) {
  const std::uint32_t alpha = argb >> 24;
  auto channel = [&](int shift) { return ((argb >> shift & 0xFF) * alpha / 255) << shift; };
  return alpha << 24 | channel(16) | channel(8) | channel(0);
}

// The AND mask of an icon: a set bit is a transparent pixel. Rows are
// padded to 16 bits, as CreateBitmap expects.
HBITMAP CreateIconMask(const TImage& image) {
  const int rowBytes = (image.Width + 15) / 16 * 2;
  std::vector<BYTE> bits(rowBytes * image.Height, 0);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      if ((image.Pixels[y * image.Width + x] >> 24) == 0)
        bits[y * rowBytes + x / 8] |= 0x80 >> (x % 8);
  return CreateBitmap(image.Width, image.Height, 1, 1, bits.data());
}

bool IsComplete(const TImage& image) {
  return image.Width > 0 && image.Height > 0 &&
         image.Pixels.size() == static_cast<std::size_t>(image.Width) * image.Height;
}

}  // namespace

HBITMAP CreateMenuBitmap(const TImage& image) {
  if (!IsComplete(image)) return nullptr;
  std::uint32_t* pixels = nullptr;
  HBITMAP bitmap = CreateBitmap32(image, &pixels);
  if (bitmap)
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
      pixels[i] = Premultiplied(image.Pixels[i]);
  return bitmap;
}

HICON CreateIconFromImage(const TImage& image) {
  if (!IsComplete(image)) return nullptr;
  std::uint32_t* pixels = nullptr;
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = CreateBitmap32(image, &pixels);
  info.hbmMask = CreateIconMask(image);
  // Transparent pixels are black, so the mask alone also draws them right.
  if (pixels)
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
      pixels[i] = image.Pixels[i] >> 24 ? image.Pixels[i] : 0;
  HICON icon = info.hbmColor && info.hbmMask ? CreateIconIndirect(&info) : nullptr;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return icon;
}

}  // namespace ui::win32
