// The reading of a translation file, apart from the windows it writes to.
#include "app/translation.h"
#include "common/data_file.h"

namespace app {
namespace {

constexpr std::size_t kLongestLine = 255;
// Many editors begin a file they save as UTF-8 with it; it is no part of the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::vector<std::string> ReadTranslationTexts(const std::string& file) {
  std::vector<std::string> texts;
  common::LineReader reader(file.starts_with(kByteOrderMark) ? file.substr(kByteOrderMark.size())
                                                             : file);
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
