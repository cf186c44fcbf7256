// Fuzzes the reading of translation files. Invariants: no crash; never more
// than 93 texts; no text longer than a line may be (255 characters); every
// text is a piece of the file.
#include <cstdint>
#include <string>
#include <vector>

#include "app/translation.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file = fuzz::Input(data, size);
  const std::vector<std::string> texts = app::ReadTranslationTexts(file);
  bool sound = texts.size() <= static_cast<std::size_t>(app::kTranslationSlots);
  for (const std::string& text : texts)
    sound = sound && text.size() <= 255 && file.find(text) != std::string::npos;
  fuzz::Require(sound, "at most 93 texts, each a piece of the file");
  return 0;
}
