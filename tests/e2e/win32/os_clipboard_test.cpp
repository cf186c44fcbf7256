#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <thread>

#include "os/os.h"

namespace {

// Puts bytes on the clipboard in a format of our own, as another program would.
void PutPrivateFormat(UINT format) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(block), "abc", 4);
  GlobalUnlock(block);
  EXPECT_NE(SetClipboardData(format, block), nullptr);
  CloseClipboard();
}

bool FormatAvailable(UINT format) {
  // Ask with the clipboard open so that the answer is the clipboard's own.
  if (!OpenClipboard(nullptr)) return false;
  const bool available = IsClipboardFormatAvailable(format);
  CloseClipboard();
  return available;
}

UINT PrivateFormat() {
  return RegisterClipboardFormatA("VelmarindTestFormat");
}

TEST(OsClipboard, TextComesBackByteForByte) {
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"plain", "Hello"},
      {"CR LF line ends", "one\r\ntwo\r\n"},
      {"ANSI letters", "caf\xe9 \xfc\xdf"},
      {"long", std::string(100000, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(os::clipboard::SetText(c.text));
    EXPECT_EQ(os::clipboard::GetText(), c.text);
  }
}

TEST(OsClipboard, EmptyTextIsStillText) {
  ASSERT_TRUE(os::clipboard::SetText("before"));
  ASSERT_TRUE(os::clipboard::SetText(""));
  EXPECT_TRUE(FormatAvailable(CF_TEXT));
  EXPECT_EQ(os::clipboard::GetText(), "");
}

TEST(OsClipboard, SetTextRemovesOtherFormats) {
  PutPrivateFormat(PrivateFormat());
  ASSERT_TRUE(FormatAvailable(PrivateFormat()));
  ASSERT_TRUE(os::clipboard::SetText("mine"));
  EXPECT_FALSE(FormatAvailable(PrivateFormat()));
  EXPECT_EQ(os::clipboard::GetText(), "mine");
}

TEST(OsClipboard, NoTextReadsAsEmpty) {
  ASSERT_TRUE(os::clipboard::SetText("old text"));
  PutPrivateFormat(PrivateFormat());
  EXPECT_EQ(os::clipboard::GetText(), "");
}

// Another thread holds the clipboard open for its window until told to let go.
class ClipboardHolder {
 public:
  ClipboardHolder()
      : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        thread_([this] {
          // Wine lets two threads open it without windows; a window's claim is exclusive.
          HWND window = CreateWindowA("STATIC", "holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr);
          held_ = OpenClipboard(window);
          SetEvent(opened_);
          WaitForSingleObject(release_, 10000);
          if (held_) CloseClipboard();
          DestroyWindow(window);
        }) {
    WaitForSingleObject(opened_, 10000);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(opened_);
    CloseHandle(release_);
  }
  bool Held() const { return held_; }

 private:
  HANDLE opened_, release_;
  bool held_ = false;
  std::thread thread_;
};

TEST(OsClipboard, ClipboardHeldElsewhereChangesNothing) {
  ASSERT_TRUE(os::clipboard::SetText("old text"));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Held());
    EXPECT_FALSE(os::clipboard::SetText("new text"));
    EXPECT_EQ(os::clipboard::GetText(), "");
  }
  EXPECT_EQ(os::clipboard::GetText(), "old text");
}

}  // namespace
