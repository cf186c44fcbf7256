#include <windows.h>

#include <cstring>

#include "os/os.h"

namespace os::clipboard {

std::string GetText() {
  if (!OpenClipboard(nullptr)) return "";
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
      // The text ends at its NUL, or at the end of the block if another
      // program left none.
      const std::size_t size = GlobalSize(data);
      const void* end = std::memchr(locked, '\0', size);
      text.assign(locked, end ? static_cast<const char*>(end) : locked + size);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

namespace {

HGLOBAL CopyToGlobal(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!block) return nullptr;
  char* locked = static_cast<char*>(GlobalLock(block));
  if (!locked) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(locked, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

}  // namespace

bool SetText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  bool placed = false;
  if (EmptyClipboard()) {
    if (HGLOBAL block = CopyToGlobal(text)) {
      placed = SetClipboardData(CF_TEXT, block) != nullptr;
      // On success the clipboard owns the block; otherwise it is still ours.
      if (!placed) GlobalFree(block);
    }
  }
  CloseClipboard();
  return placed;
}

}  // namespace os::clipboard
