// The keys and the modifiers a global hotkey can use: the texts the key lists
// show, the virtual-key code of each list position, and the modifier flags.
#pragma once

#include <string>
#include <vector>

namespace common {

// "0".."9", "A".."Z", "Numeric keypad 0".."Numeric keypad 9", "Separator key",
// "Subtract key", "Decimal key", "Divide key", "F1".."F12": 62 names. A
// hotkey stores the position of its key in this list.
const std::vector<std::string>& KeyNames();

// The virtual-key code of a position in KeyNames(); -1 for any other position.
int VirtualKeyAt(int position);

// Modifier text to MOD_* flags: "ALT" 1, "CTRL" 2, "SHIFT" 4, anything else
// ("WIN") 8, compared exactly.
unsigned ModifierFlags(const std::string& modifier);

}  // namespace common
