// Upper and lower case of 8-bit text in the Windows ANSI code page 1252, the
// same in both builds: letters above 127 change case too, exactly as the
// window system's CharUpperBuffA and CharLowerBuffA do for that code page.
#pragma once

#include <string>

namespace memo {

unsigned char AnsiUpperChar(unsigned char c);
unsigned char AnsiLowerChar(unsigned char c);

std::string AnsiUpperCase(std::string text);
std::string AnsiLowerCase(std::string text);

}  // namespace memo
