// Fuzzes the reading of translation files. Invariants: no crash; never more
// than 93 texts; no text longer than a line may be (255 characters); every
// text is a piece of the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/translation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> texts = app::ReadTranslationTexts(file);
  bool sound = texts.size() <= static_cast<std::size_t>(app::kTranslationSlots);
  for (const std::string& text : texts)
    sound = sound && text.size() <= 255 && file.find(text) != std::string::npos;
  if (!sound) {
    std::fprintf(stderr, "invariant broken: at most 93 texts, each a piece of the file\n");
    std::abort();
  }
  return 0;
}
