#include "hotkeys/key_table.h"

#include "ui/messages.h"

namespace hotkeys {

const std::vector<std::string>& KeyNames() {
  static const std::vector<std::string> names = {"0",
                                                 "1",
                                                 "2",
                                                 "3",
                                                 "4",
                                                 "5",
                                                 "6",
                                                 "7",
                                                 "8",
                                                 "9",
                                                 "A",
                                                 "B",
                                                 "C",
                                                 "D",
                                                 "E",
                                                 "F",
                                                 "G",
                                                 "H",
                                                 "I",
                                                 "J",
                                                 "K",
                                                 "L",
                                                 "M",
                                                 "N",
                                                 "O",
                                                 "P",
                                                 "Q",
                                                 "R",
                                                 "S",
                                                 "T",
                                                 "U",
                                                 "V",
                                                 "W",
                                                 "X",
                                                 "Y",
                                                 "Z",
                                                 "Numeric keypad 0",
                                                 "Numeric keypad 1",
                                                 "Numeric keypad 2",
                                                 "Numeric keypad 3",
                                                 "Numeric keypad 4",
                                                 "Numeric keypad 5",
                                                 "Numeric keypad 6",
                                                 "Numeric keypad 7",
                                                 "Numeric keypad 8",
                                                 "Numeric keypad 9",
                                                 "Separator key",
                                                 "Subtract key",
                                                 "Decimal key",
                                                 "Divide key",
                                                 "F1",
                                                 "F2",
                                                 "F3",
                                                 "F4",
                                                 "F5",
                                                 "F6",
                                                 "F7",
                                                 "F8",
                                                 "F9",
                                                 "F10",
                                                 "F11",
                                                 "F12"};
  return names;
}

unsigned ModifierFlags(const std::string& modifier) {
  if (modifier == "ALT") return ui::MOD_ALT;
  if (modifier == "CTRL") return ui::MOD_CONTROL;
  if (modifier == "SHIFT") return ui::MOD_SHIFT;
  return ui::MOD_WIN;
}

}  // namespace hotkeys
