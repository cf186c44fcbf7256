#include "os/fake/cp1252_case.h"

#include <array>

namespace os::fake {
namespace {

// The lower-case letter of each upper-case one in code page 1252. Bytes that
// have no partner in the code page (sharp s, micro sign, florin, the ordinal
// indicators) keep their case, as the window system leaves them.
constexpr unsigned char LowerOf(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Agrave..Thorn, not the times sign
  if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;  // S, OE, Z with caron or ligature
  if (c == 0x9F) return 0xFF;                              // Y with diaeresis
  return c;
}

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables MakeCaseTables() {
  CaseTables tables;
  for (int c = 0; c < 256; ++c) tables.upper[c] = tables.lower[c] = static_cast<unsigned char>(c);
  for (int c = 0; c < 256; ++c) {
    const unsigned char lower = LowerOf(static_cast<unsigned char>(c));
    tables.lower[c] = lower;
    if (lower != c) tables.upper[lower] = static_cast<unsigned char>(c);
  }
  return tables;
}

constexpr CaseTables kCase = MakeCaseTables();

std::string MapBytes(std::string text, const std::array<unsigned char, 256>& table) {
  for (char& c : text) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return text;
}

}  // namespace

std::string Cp1252UpperCase(std::string text) {
  return MapBytes(std::move(text), kCase.upper);
}
std::string Cp1252LowerCase(std::string text) {
  return MapBytes(std::move(text), kCase.lower);
}

}  // namespace os::fake
