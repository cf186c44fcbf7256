#include "memo/filter_programs.h"

#include "memo/filter.h"
#include "settings/settings_record.h"

namespace memo {

const std::string& FilterProgram(const CSettings& settings, int n) {
  switch (n) {
    case 1:
      return settings.Filter1;
    case 2:
      return settings.Filter2;
    case 3:
      return settings.Filter3;
    default:
      return settings.Filter4;
  }
}

std::string FilterTextOnAdd(const CSettings& settings, const std::string& text) {
  const std::pair<int, const std::string*> programs[] = {
      {settings.FilterOnAdd1, &settings.Filter1},
      {settings.FilterOnAdd2, &settings.Filter2},
      {settings.FilterOnAdd3, &settings.Filter3}};
  std::string result = text;
  for (const auto& [enabled, program] : programs)
    if (enabled == 1) result = RunFilterProgram(*program, result).Text;
  return result;
}

}  // namespace memo
