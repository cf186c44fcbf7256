// The twenty extra functions a hotkey can run, one table: each one's name,
// whether the confirmation sound follows it, and what it does. The editor
// lists the names; the dispatcher runs them.
#pragma once

#include <span>
#include <string>

class TF_HotkeyHandler;

struct ExtraFunction {
  const char* name;
  bool confirmationSound;
  void (*run)(TF_HotkeyHandler& handler);
};

// In the order the editor lists them.
std::span<const ExtraFunction> ExtraFunctions();
// The function of exactly that name; null for any other text.
const ExtraFunction* FindExtraFunction(const std::string& name);
