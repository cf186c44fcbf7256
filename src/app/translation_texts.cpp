// The reading of a translation file, apart from the windows it writes to.
#include "app/translation.h"
#include "common/data_file.h"

namespace app {
namespace {

constexpr std::size_t kLongestLine = 255;

}  // namespace

std::vector<std::string> ReadTranslationTexts(const std::string& file) {
  std::vector<std::string> texts;
  common::LineReader reader(file);
  while (!reader.AtEnd() && static_cast<int>(texts.size()) < kTranslationSlots) {
    std::string line(reader.Next());
    const bool tooLong = line.size() > kLongestLine;
    if (tooLong) line.resize(kLongestLine);
    if (!line.empty() && line[0] != '#') {
      const std::size_t colon = line.find(':');
      texts.push_back(colon == std::string::npos ? line : line.substr(colon + 1));
    }
    if (tooLong) break;
  }
  return texts;
}

}  // namespace app
