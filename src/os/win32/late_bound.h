// Functions of the DLLs the program needs only now and then (sounds, the file
// dialog, the common controls) are looked up when first called, so that
// start-up does not pay for loading those DLLs.
#pragma once

#include <windows.h>

namespace os::win32 {

// `name` of `dll`, loaded by the first call; null when either is missing.
template <class Function>
Function* LateBound(const char* dll, const char* name) {
  const HMODULE module = LoadLibraryA(dll);
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace os::win32
