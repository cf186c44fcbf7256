// The memo's four filter programs as the settings hold them.
#pragma once

#include <string>

class CSettings;

namespace memo {

// The program a function key runs: Filter1..Filter3 for n 1..3, Filter4 for
// any other n (F11).
const std::string& FilterProgram(const CSettings& settings, int n);

// The filter step of Add To Memo: the on-add programs 1, 2 and 3 whose flag
// is 1, in that order, each on the previous result and each from skip state
// 0. Unknown names change nothing and are not reported.
std::string FilterTextOnAdd(const CSettings& settings, const std::string& text);

}  // namespace memo
