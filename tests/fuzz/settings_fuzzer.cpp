// Fuzzes settings.ini as a start reads it (the memo's place, the sound check,
// the memo hotkey), saved by the settings record. Invariants: 51 lines, each
// ended by CR LF; resolution values empty or in range; read and saved again,
// the file keeps every byte but the resolution lines, whose half-set pair is
// emptied at the next start; from then on every byte.
#include <algorithm>

#include "program_round.h"
#include "settings/settings_form.h"

namespace {

bool EmptyOrWithin(const std::string& value, int low, int high) {
  const auto number = common::ParseInt(value);
  return value.empty() || (number && *number >= low && *number <= high);
}

std::string LoadAndSave(const std::string& bytes) {
  return fuzz::Round("settings.ini", bytes, [] {
    CSettings& settings = F_Settings->Settings;
    fuzz::Require(EmptyOrWithin(settings.ResolutionX, 320, 4000) &&
                      EmptyOrWithin(settings.ResolutionY, 240, 3000),
                  "resolution values empty or in range");
    fuzz::Require(settings.SaveSettings(), "the save succeeds");
  });
}

// The file without its resolution lines (32 and 33).
std::vector<std::string> ButResolution(const std::string& file) {
  std::vector<std::string> lines = fuzz::Lines(file);
  lines.erase(lines.begin() + 31, lines.begin() + 33);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string first = LoadAndSave(fuzz::Input(data, size));
  fuzz::Require(std::count(first.begin(), first.end(), '\n') == 51 &&
                    std::count(first.begin(), first.end(), '\r') == 51 && first.ends_with("\r\n"),
                "51 lines ended by CR LF");
  const std::string second = LoadAndSave(first);
  fuzz::Require(ButResolution(second) == ButResolution(first),
                "read and saved again, the same bytes but the resolution lines");
  fuzz::Require(LoadAndSave(second) == second, "read and saved a third time, the same bytes");
  return 0;
}
