#include "app/images.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace app {
namespace {

constexpr int kImageSize = 16;

// A picture drawn as text: one character per pixel, looked up in kPalette.
using TPixmap = std::array<std::string_view, kImageSize>;

struct TPaletteEntry {
  char Key;
  std::uint32_t Colour;  // 0xAARRGGBB
};

// One palette serves every picture so that they share the same few colours.
constexpr TPaletteEntry kPalette[] = {
    {'.', 0x00000000},  // transparent
    {'k', 0xFF202020},  // black outline
    {'d', 0xFF5A5A5A},  // dark grey
    {'g', 0xFF9C9C9C},  // grey
    {'l', 0xFFD6D6D6},  // light grey
    {'w', 0xFFFFFFFF},  // white
    {'n', 0xFF14387A},  // navy
    {'b', 0xFF2A6CD2},  // blue
    {'B', 0xFF92C4F2},  // light blue
    {'D', 0xFF1C6B2A},  // dark green
    {'G', 0xFF3CB44C},  // green
    {'Y', 0xFFC8961A},  // gold
    {'y', 0xFFFFE46A},  // yellow
    {'o', 0xFFF0882A},  // orange
    {'R', 0xFF8E1616},  // dark red
    {'r', 0xFFE23A3A},  // red
    {'p', 0xFFF4A6B4},  // pink
    {'H', 0xFF6E4420},  // dark brown
    {'h', 0xFFB47A40},  // brown
};

std::uint32_t PaletteColour(char key) {
  for (const TPaletteEntry& entry : kPalette) {
    if (entry.Key == key) return entry.Colour;
  }
  throw std::logic_error(std::string("pixmap uses a colour not in the palette: '") + key + "'");
}

ui::TImage ImageFromPixmap(const TPixmap& pixmap) {
  ui::TImage image;
  image.Width = kImageSize;
  image.Height = kImageSize;
  image.Pixels.reserve(kImageSize * kImageSize);
  for (std::string_view row : pixmap) {
    if (row.size() != kImageSize) {
      throw std::logic_error("pixmap row is not 16 pixels wide: \"" + std::string(row) + "\"");
    }
    for (char key : row) image.Pixels.push_back(PaletteColour(key));
  }
  return image;
}

// clang-format off
constexpr TPixmap kClipboard = {
    ".....kkkkkk.....",
    ".HHHHkggggkHHHH.",
    ".HhhkggggggkhhH.",
    ".HhhkkkkkkkkhhH.",
    ".HhwwwwwwwwwwhH.",
    ".HhwddddddddwhH.",
    ".HhwwwwwwwwwwhH.",
    ".HhwddddddddwhH.",
    ".HhwwwwwwwwwwhH.",
    ".HhwddddddddwhH.",
    ".HhwwwwwwwwwwhH.",
    ".HhwdddddwwwwhH.",
    ".HhwwwwwwwwwwhH.",
    ".HhhhhhhhhhhhhH.",
    ".HHHHHHHHHHHHHH.",
    "................",
};

constexpr TPixmap kBlankPage = {
    "..dddddddd......",
    "..dwwwwwwdd.....",
    "..dwwwwwwdld....",
    "..dwwwwwwdlld...",
    "..dwwwwwwddddd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dwwwwwwwwwwd..",
    "..dddddddddddd..",
};

// The clipboard slots show a die face: three, two and one dots.
constexpr TPixmap kClipboardSlot3 = {
    "................",
    "......kkkk......",
    "..HHHkggggkHHH..",
    "..HhkkkkkkkkhH..",
    "..HhwwwwwwwwhH..",
    "..HhwbbwwwwwhH..",
    "..HhwbbwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwbbwwwhH..",
    "..HhwwwbbwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwbbwhH..",
    "..HhwwwwwbbwhH..",
    "..HhwwwwwwwwhH..",
    "..HhhhhhhhhhhH..",
    "..HHHHHHHHHHHH..",
};

constexpr TPixmap kClipboardSlot2 = {
    "................",
    "......kkkk......",
    "..HHHkggggkHHH..",
    "..HhkkkkkkkkhH..",
    "..HhwwwwwwwwhH..",
    "..HhwbbwwwwwhH..",
    "..HhwbbwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwbbwhH..",
    "..HhwwwwwbbwhH..",
    "..HhwwwwwwwwhH..",
    "..HhhhhhhhhhhH..",
    "..HHHHHHHHHHHH..",
};

constexpr TPixmap kClipboardSlot1 = {
    "................",
    "......kkkk......",
    "..HHHkggggkHHH..",
    "..HhkkkkkkkkhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwbbwwwhH..",
    "..HhwwwbbwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhwwwwwwwwhH..",
    "..HhhhhhhhhhhH..",
    "..HHHHHHHHHHHH..",
};

constexpr TPixmap kFloppy = {
    "................",
    ".nnnnnnnnnnnnn..",
    ".nbbgggggggbbbn.",
    ".nbbgggddggbbbn.",
    ".nbbgggddggbbbn.",
    ".nbbgggddggbbbn.",
    ".nbbgggggggbbbn.",
    ".nbbbbbbbbbbbbn.",
    ".nbwwwwwwwwwwbn.",
    ".nbwwwwwwwwwwbn.",
    ".nbwddddddddwbn.",
    ".nbwwwwwwwwwwbn.",
    ".nbwddddddddwbn.",
    ".nbwwwwwwwwwwbn.",
    ".nnnnnnnnnnnnnn.",
    "................",
};

constexpr TPixmap kFolder = {
    "................",
    "................",
    ".YYYYY..........",
    ".YyyyyY.........",
    ".YyyyyyYYYYYYYY.",
    ".YyyyyyyyyyyyyY.",
    ".YYYYYYYYYYYYYY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YYYYYYYYYYYYYY.",
    "................",
};

constexpr TPixmap kPlay = {
    "................",
    "..D.............",
    "..DDD...........",
    "..DGGDD.........",
    "..DGGGGD........",
    "..DGGGGGDD......",
    "..DGGGGGGGDD....",
    "..DGGGGGGGGGDD..",
    "..DGGGGGGGGGDD..",
    "..DGGGGGGGDD....",
    "..DGGGGGDD......",
    "..DGGGGD........",
    "..DGGDD.........",
    "..DDD...........",
    "..D.............",
    "................",
};

constexpr TPixmap kAlarmMessage = {
    "................",
    "................",
    "..bbbbbbbbbbbb..",
    ".bwwwwwwwwwwwwb.",
    ".bwwwwwrrwwwwwb.",
    ".bwwwwwrrwwwwwb.",
    ".bwwwwwrrwwwwwb.",
    ".bwwwwwrrwwwwwb.",
    ".bwwwwwwwwwwwwb.",
    ".bwwwwwrrwwwwwb.",
    ".bwwwwwwwwwwwwb.",
    "..bbbwwbbbbbbb..",
    "....bwb.........",
    "...bb...........",
    "................",
    "................",
};

constexpr TPixmap kStop = {
    "................",
    "................",
    "................",
    "...RRRRRRRRRR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RrrrrrrrrR...",
    "...RRRRRRRRRR...",
    "................",
    "................",
    "................",
};

constexpr TPixmap kPencil = {
    "............RR..",
    "...........RppR.",
    "..........RppR..",
    ".........dggd...",
    "........dggd....",
    ".......HyoH.....",
    "......HyoH......",
    ".....HyoH.......",
    "....HyoH........",
    "...HyoH.........",
    "..HllH..........",
    ".HllH...........",
    ".HlH............",
    ".kH.............",
    "k...............",
    "................",
};

constexpr TPixmap kAlarmClock = {
    ".RRR........RRR.",
    "RrrrR......RrrrR",
    "RrrrRkkkkkkRrrrR",
    ".RRkkwwwwwwkkRR.",
    "..kwwwwkwwwwwk..",
    ".kwwwwwkwwwwwwk.",
    ".kwwwwwkwwwwwwk.",
    ".kwwwwwkwwwwwwk.",
    ".kwwwwwkkkkwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwk.",
    "..kwwwwwwwwwwk..",
    "...kkwwwwwwkk...",
    ".....kkkkkk.....",
    "....k......k....",
    "...k........k...",
};

constexpr TPixmap kKey = {
    "................",
    "................",
    "...kkkkkkkkkk...",
    "..kllllllllllk..",
    "..klwwwwwwwwgk..",
    "..klwwwkkwwwgk..",
    "..klwwkwwkwwgk..",
    "..klwwkkkkwwgk..",
    "..klwwkwwkwwgk..",
    "..klwwkwwkwwgk..",
    "..klwwwwwwwwgk..",
    "..kddddddddddk..",
    "..kddddddddddk..",
    "...kkkkkkkkkk...",
    "................",
    "................",
};

constexpr TPixmap kKeyboard = {
    "................",
    "................",
    "................",
    "kkkkkkkkkkkkkkk.",
    "kdddddddddddddk.",
    "kdwdwdwdwdwdwdk.",
    "kdddddddddddddk.",
    "kdwdwdwdwdwdwdk.",
    "kdddddddddddddk.",
    "kdddwwwwwwwdddk.",
    "kdddddddddddddk.",
    "kkkkkkkkkkkkkkk.",
    "................",
    "................",
    "................",
    "................",
};

constexpr TPixmap kGear = {
    "......dddd......",
    "..dd..dggd..dd..",
    ".dggddggggddggd.",
    ".dggggggggggggd.",
    "..dggggggggggd..",
    "..dgggddddgggd..",
    "ddgggd....dgggdd",
    "dggggd....dggggd",
    "dggggd....dggggd",
    "ddgggd....dgggdd",
    "..dgggddddgggd..",
    "..dggggggggggd..",
    ".dggggggggggggd.",
    ".dggddggggddggd.",
    "..dd..dggd..dd..",
    "......dddd......",
};

constexpr TPixmap kMagnifier = {
    "................",
    "....kkkkk.......",
    "...kBBBBBk......",
    "..kBwwBBBBk.....",
    ".kBwBBBBBBBk....",
    ".kBwBBBBBBBk....",
    ".kBBBBBBBBBk....",
    ".kBBBBBBBBBk....",
    ".kBBBBBBBBBk....",
    "..kBBBBBBBk.....",
    "...kBBBBBkhH....",
    "....kkkkk.HhH...",
    "...........HhH..",
    "............HhH.",
    ".............Hh.",
    "................",
};

constexpr TPixmap kGlobe = {
    ".....nnnnn......",
    "...nnbBbBbnn....",
    "..nBbBBbBBbBn...",
    ".nbbbbbbbbbbbn..",
    ".nBBbBBbBBbBBn..",
    "nBBbBBBbBBBbBBn.",
    "nBBbBBBbBBBbBBn.",
    "nbbbbbbbbbbbbbn.",
    "nBBbBBBbBBBbBBn.",
    "nBBbBBBbBBBbBBn.",
    ".nBBbBBbBBbBBn..",
    ".nbbbbbbbbbbbn..",
    "..nBbBBbBBbBn...",
    "...nnbBbBbnn....",
    ".....nnnnn......",
    "................",
};

constexpr TPixmap kAddToMemo = {
    "YYYYYYYYYYYYY...",
    "YyyyyyyyyyyyY...",
    "YyYYYYYYYyyyY...",
    "YyyyyyyyyyyyY...",
    "YyYYYYYYYyyyY...",
    "YyyyyyyyyyyyY...",
    "YyYYYYYYYyyyY...",
    "YyyyyyyyyyyyY...",
    "YyYYYYyyyyDDDD..",
    "YyyyyyyyyyDGGD..",
    "YyyyyyyyDDDGGDDD",
    "YyyyyyyyDGGGGGGD",
    "YYYYYYYYDGGGGGGD",
    "........DDDGGDDD",
    "..........DGGD..",
    "..........DDDD..",
};

constexpr TPixmap kMemo = {
    "................",
    ".YYYYYYYYYYYYYY.",
    ".YyyyyyyyyyyyyY.",
    ".YyYYYYYYYYYyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyYYYYYYYYYyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyYYYYYYYYYyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyYYYYYYyyyyyY.",
    ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyYYYYYY.",
    ".YyyyyyyyYooY...",
    ".YyyyyyyyYoY....",
    ".YYYYYYYYYY.....",
    "................",
};

constexpr TPixmap kAbout = {
    "................",
    ".....nnnnnn.....",
    "...nnbbbbbbnn...",
    "..nbbbbwwbbbbn..",
    "..nbbbbwwbbbbn..",
    ".nbbbbbbbbbbbbn.",
    ".nbbbbwwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    "..nbbbwwwwbbbn..",
    "..nbbbbbbbbbbn..",
    "...nnbbbbbbnn...",
    ".....nnnnnn.....",
    "................",
};

constexpr TPixmap kClose = {
    "................",
    ".RRR........RRR.",
    ".RrrR......RrrR.",
    ".RrrrR....RrrrR.",
    "..RrrrR..RrrrR..",
    "...RrrrRRrrrR...",
    "....RrrrrrrR....",
    ".....RrrrrR.....",
    ".....RrrrrR.....",
    "....RrrrrrrR....",
    "...RrrrRRrrrR...",
    "..RrrrR..RrrrR..",
    ".RrrrR....RrrrR.",
    ".RrrR......RrrR.",
    ".RRR........RRR.",
    "................",
};

constexpr TPixmap kCheckList = {
    ".dddddddddddddd.",
    ".dwwwwwwwwwwwwd.",
    ".dwwwwGwwwwwwwd.",
    ".dwGwGGwddddwwd.",
    ".dwwGGwwwwwwwwd.",
    ".dwwwwwwwwwwwwd.",
    ".dwwwwGwwwwwwwd.",
    ".dwGwGGwddddwwd.",
    ".dwwGGwwwwwwwwd.",
    ".dwwwwwwwwwwwwd.",
    ".dwwwwGwwwwwwwd.",
    ".dwGwGGwddddwwd.",
    ".dwwGGwwwwwwwwd.",
    ".dwwwwwwwwwwwwd.",
    ".dddddddddddddd.",
    "................",
};

constexpr TPixmap kTrayRest = {
    ".nnnnnnnnnnnnnn.",
    "nbbbbbbbbbbbbbbn",
    "nbbbbbbbbbbbbbbn",
    "nbbwwwbbbbwwwbbn",
    "nbbwwwbbbbwwwbbn",
    "nbbbwwwbbwwwbbbn",
    "nbbbwwwbbwwwbbbn",
    "nbbbbwwwwwwbbbbn",
    "nbbbbwwwwwwbbbbn",
    "nbbbbbwwwwbbbbbn",
    "nbbbbbwwwwbbbbbn",
    "nbbbbbbwwbbbbbbn",
    "nbbbbbbwwbbbbbbn",
    "nbbbbbbbbbbbbbbn",
    "nbbbbbbbbbbbbbbn",
    ".nnnnnnnnnnnnnn.",
};

constexpr TPixmap kTrayFlash = {
    ".RRRRRRRRRRRRRR.",
    "RooooooooooooooR",
    "RooooooooooooooR",
    "RoowwwoooowwwooR",
    "RoowwwoooowwwooR",
    "RooowwwoowwwoooR",
    "RooowwwoowwwoooR",
    "RoooowwwwwwooooR",
    "RoooowwwwwwooooR",
    "RooooowwwwoooooR",
    "RooooowwwwoooooR",
    "RoooooowwooooooR",
    "RoooooowwooooooR",
    "RooooooooooooooR",
    "RooooooooooooooR",
    ".RRRRRRRRRRRRRR.",
};
// clang-format on

// In menu image index order.
constexpr const TPixmap* kMenuPixmaps[] = {
    &kClipboard,       // 0
    &kBlankPage,       // 1
    &kClipboardSlot3,  // 2
    &kClipboardSlot2,  // 3
    &kClipboardSlot1,  // 4
    &kFloppy,          // 5
    &kFolder,          // 6
    &kPlay,            // 7
    &kAlarmMessage,    // 8
    &kStop,            // 9
    &kPencil,          // 10
    &kAlarmClock,      // 11
    &kKey,             // 12
    &kKeyboard,        // 13
    &kGear,            // 14
    &kMagnifier,       // 15
    &kGlobe,           // 16
    &kAddToMemo,       // 17
    &kMemo,            // 18
    &kAbout,           // 19
    &kClose,           // 20
    &kCheckList,       // 21
};

constexpr const TPixmap* kTrayPixmaps[] = {&kTrayRest, &kTrayFlash};

void AddPixmaps(ui::TImageList& list, std::span<const TPixmap* const> pixmaps) {
  for (const TPixmap* pixmap : pixmaps) list.Add(ImageFromPixmap(*pixmap));
}

}  // namespace

void AddMenuImages(ui::TImageList& list) {
  AddPixmaps(list, kMenuPixmaps);
}

void AddTrayIcons(ui::TImageList& list) {
  AddPixmaps(list, kTrayPixmaps);
}

ui::TImage MemoIcon() {
  return ImageFromPixmap(kMemo);
}

}  // namespace app
