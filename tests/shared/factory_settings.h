// The 51 lines of a factory settings.ini, for the tests of both builds.
#pragma once

#include <string>
#include <vector>

namespace settings_cases {

inline std::vector<std::string> FactoryLines(const std::string& soundFile) {
  return {soundFile,
          "2000",
          "5",
          "iexplore -new",
          "0",
          "0",
          "0",
          "0",
          "",
          "0",
          "16",
          "16",
          "360",
          "320",
          "1",
          "1",
          "NONE",
          "0",
          "0",
          "0",
          "0",
          "0",
          "0",
          "0",
          "0",
          "Search Google",
          "http://www.google.com/search?q=\"%C\"&hl=en&btnG=GOOGLE",
          "Search IMDb",
          "http://www.imdb.com/find?s=all&q=\"%C\"",
          "Search Wikipedia",
          "http://en.wikipedia.org/wiki/\"%C\"",
          "",
          "",
          "0",
          "",
          "1",
          "0",
          "0",
          "12",
          "0",
          "0",
          "0",
          "180",
          "strip( ),strip_end( ),find(http://),append_first(http://)",
          "encrypt()",
          "",
          "",
          "0",
          "0",
          "0",
          ""};
}

}  // namespace settings_cases
