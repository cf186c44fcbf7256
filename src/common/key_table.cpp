#include "common/key_table.h"

#include <iterator>

#include "ui/messages.h"

namespace common {
namespace {

// Where each run of consecutive virtual-key codes starts in the key list.
struct CodeRun {
  int position;
  int code;
};
constexpr CodeRun kCodeRuns[] = {
    {0, ui::VK_0},           // "0".."9"
    {10, ui::VK_A},          // "A".."Z"
    {36, ui::VK_NUMPAD0},    // "Numeric keypad 0".."9"
    {46, ui::VK_SEPARATOR},  // the four keypad keys, then "F1".."F12"; no multiply or add key
};

std::vector<std::string> MakeKeyNames() {
  std::vector<std::string> names;
  for (char digit = '0'; digit <= '9'; ++digit) names.emplace_back(1, digit);
  for (char letter = 'A'; letter <= 'Z'; ++letter) names.emplace_back(1, letter);
  for (int digit = 0; digit <= 9; ++digit) names.push_back("Numeric keypad " + names[digit]);
  for (const char* key : {"Separator key", "Subtract key", "Decimal key", "Divide key"})
    names.emplace_back(key);
  // append: the cross compiler's GCC 12 warns falsely about "F" + text
  for (int f = 1; f <= 12; ++f) names.push_back(std::string("F").append(std::to_string(f)));
  return names;
}

}  // namespace

const std::vector<std::string>& KeyNames() {
  static const std::vector<std::string> names = MakeKeyNames();
  return names;
}

int VirtualKeyAt(int position) {
  if (position < 0 || position >= static_cast<int>(KeyNames().size())) return -1;
  const CodeRun* run = std::begin(kCodeRuns);
  for (const CodeRun& next : kCodeRuns)
    if (next.position <= position) run = &next;
  return run->code + (position - run->position);
}

unsigned ModifierFlags(const std::string& modifier) {
  if (modifier == "ALT") return ui::MOD_ALT;
  if (modifier == "CTRL") return ui::MOD_CONTROL;
  if (modifier == "SHIFT") return ui::MOD_SHIFT;
  return ui::MOD_WIN;
}

}  // namespace common
