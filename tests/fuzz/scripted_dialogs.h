// The fuzz build has no component layer: its dialogs are answered from a
// script that each fuzz input brings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fuzz {

// The answers to the next dialogs, in order: a text types it into a prompt
// and presses OK, nullopt cancels. A dialog beyond the script is cancelled.
void ScriptDialogs(std::vector<std::optional<std::string>> answers);

}  // namespace fuzz
