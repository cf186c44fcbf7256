// Translation files: a file of 93 texts replaces the captions of every
// window and the default alarm message. One table names, slot by slot, the
// components each text goes to.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace ui {
class TForm;
}  // namespace ui

namespace app {

// The texts of a file, one per slot.
constexpr int kTranslationSlots = 93;

struct TranslationTarget {
  int slot;
  const char* window;     // the global window's name, or "CSettings"
  const char* component;  // a component of that window, or "DefaultMessage"
};
// Every target in slot order. Slots 5, 28 and 73 set nothing.
std::span<const TranslationTarget> TranslationTargets();

// The texts of a translation file in slot order, at most 93. A line holds
// one text, what follows its first ":" (the whole line without one); empty
// lines and lines beginning with "#" hold none. A line longer than 255
// characters gives its first 255 and ends the reading.
std::vector<std::string> ReadTranslationTexts(const std::string& file);

// The global window of that name ("F_Memo"); null while it does not exist.
ui::TForm* WindowNamed(const std::string& name);

// Sets every target to its slot's text (93 of them); a window that does
// not exist yet is passed over.
void ApplyTranslation(const std::vector<std::string>& texts);

}  // namespace app
