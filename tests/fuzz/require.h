// What every fuzz target needs: the input as bytes of text, and an invariant
// that aborts, naming itself, when broken.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline void Require(bool condition, const char* invariant) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

inline std::string Input(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace fuzz
