// Upper and lower case of 8-bit text in the Windows ANSI code page 1252:
// letters above 127 change case too, exactly as the window system's
// CharUpperBuffA and CharLowerBuffA do for that code page. The fake OS maps
// case with it, so the native tests see what a Western Windows does.
#pragma once

#include <string>

namespace os::fake {

std::string Cp1252UpperCase(std::string text);
std::string Cp1252LowerCase(std::string text);

}  // namespace os::fake
