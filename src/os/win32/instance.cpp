#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "os/os.h"

namespace os::instance {

namespace {

// FNV-1a, 64 bits.
std::uint64_t Hash(const std::string& text) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  return hash;
}

// Mutex names may hold no backslash and are limited in length, so the folder is hashed; upper
// case first, as one folder may be written in either case.
std::string MutexName(const std::string& folder) {
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx",
                static_cast<unsigned long long>(Hash(locale::UpperCase(folder))));
  return std::string("Velmarind ") + hex;
}

}  // namespace

// The handle stays open until the process ends; the system then drops the name, after a crash
// too. A mutex that cannot be made at all lets the program start.
bool ClaimFolder(const std::string& folder) {
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, MutexName(folder).c_str());
  if (!mutex || GetLastError() != ERROR_ALREADY_EXISTS) return true;
  CloseHandle(mutex);
  return false;
}

}  // namespace os::instance
