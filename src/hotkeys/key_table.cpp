#include "hotkeys/key_table.h"

#include "ui/messages.h"

namespace hotkeys {

const std::vector<std::string>& KeyNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (char c = '0'; c <= '9'; ++c) list.push_back(std::string(1, c));
    for (char c = 'A'; c <= 'Z'; ++c) list.push_back(std::string(1, c));
    for (int i = 0; i <= 9; ++i) list.push_back("Numeric keypad " + std::to_string(i));
    for (const char* key : {"Separator key", "Subtract key", "Decimal key", "Divide key"})
      list.push_back(key);
    for (int i = 1; i <= 12; ++i) list.push_back("F" + std::to_string(i));
    return list;
  }();
  return names;
}

unsigned ModifierFlags(const std::string& modifier) {
  if (modifier == "ALT") return ui::MOD_ALT;
  if (modifier == "CTRL") return ui::MOD_CONTROL;
  if (modifier == "SHIFT") return ui::MOD_SHIFT;
  return ui::MOD_WIN;
}

}  // namespace hotkeys
