// The keys a global hotkey can use, in the order the key lists show them.
#pragma once

#include <string>
#include <vector>

namespace hotkeys {

// "0".."9", "A".."Z", "Numeric keypad 0".."Numeric keypad 9", "Separator key",
// "Subtract key", "Decimal key", "Divide key", "F1".."F12": 62 names.
const std::vector<std::string>& KeyNames();

// Modifier text to MOD_* flags: "ALT" 1, "CTRL" 2, "SHIFT" 4, anything else 8.
unsigned ModifierFlags(const std::string& modifier);

}  // namespace hotkeys
