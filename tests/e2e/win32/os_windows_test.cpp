#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "os/os.h"
#include "ui_test_support.h"

namespace {

constexpr UINT kTestMessage = WM_APP + 7;

// A topmost window of a class of our own that notes the messages it gets.
class TargetWindow {
 public:
  static constexpr const char* kClass = "VelmarindOsTestTarget";
  static constexpr const char* kTitle = "Velmarind OS test target";

  TargetWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = kClass;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass);
    handle_ = CreateWindowExA(WS_EX_TOPMOST, kClass, kTitle, WS_POPUP | WS_VISIBLE, 300, 300, 200,
                              200, nullptr, nullptr, nullptr, nullptr);
    ui_test::Pump(100);
    received().clear();
  }
  ~TargetWindow() {
    DestroyWindow(handle_);
    UnregisterClassA(kClass, nullptr);
  }
  HWND Handle() const { return handle_; }
  os::WindowHandle Id() const { return reinterpret_cast<os::WindowHandle>(handle_); }

  // "message wParam lParam" of every message noted, in order.
  static std::vector<std::string>& received() {
    static std::vector<std::string> messages;
    return messages;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case kTestMessage:
        Note("test", wParam, lParam);
        return 4242;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
      case WM_MBUTTONDOWN:
      case WM_MBUTTONUP:
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
        Note(std::to_string(message), 0, lParam);
        return 0;
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }
  static void Note(const std::string& what, WPARAM wParam, LPARAM lParam) {
    received().push_back(what + " " + std::to_string(wParam) + " " + std::to_string(lParam));
  }
  HWND handle_;
};

TEST(OsWindows, FindsATopLevelWindowByClassOrTitle) {
  TargetWindow target;
  EXPECT_EQ(os::windows::FindByClass(TargetWindow::kClass), target.Id());
  EXPECT_EQ(os::windows::FindByTitle(TargetWindow::kTitle), target.Id());
  EXPECT_EQ(os::windows::FindByClass("VelmarindNoSuchClass"), 0u);
  EXPECT_EQ(os::windows::FindByTitle("Velmarind OS test"), 0u) << "the whole title";
}

TEST(OsWindows, SendWaitsForTheAnswerAndPostDoesNot) {
  TargetWindow target;
  EXPECT_EQ(os::windows::Send(target.Id(), kTestMessage, 7, -3), 4242);
  EXPECT_EQ(TargetWindow::received(), (std::vector<std::string>{"test 7 -3"}));
  TargetWindow::received().clear();

  EXPECT_TRUE(os::windows::Post(target.Id(), kTestMessage, 1, 2));
  EXPECT_TRUE(TargetWindow::received().empty()) << "queued, not handled yet";
  EXPECT_TRUE(ui_test::PumpUntil([] { return !TargetWindow::received().empty(); }));
  EXPECT_EQ(TargetWindow::received(), (std::vector<std::string>{"test 1 2"}));
}

TEST(OsMouse, ButtonEventsClickWhereTheCursorIs) {
  TargetWindow target;
  SetForegroundWindow(target.Handle());
  ASSERT_TRUE(SetCursorPos(350, 360));
  const LPARAM at = MAKELPARAM(50, 60);  // in the window's client area
  using namespace os::mouse;
  const struct {
    unsigned down, up;
    UINT downMessage, upMessage;
  } cases[] = {
      {kLeftDown, kLeftUp, WM_LBUTTONDOWN, WM_LBUTTONUP},
      {kMiddleDown, kMiddleUp, WM_MBUTTONDOWN, WM_MBUTTONUP},
      {kRightDown, kRightUp, WM_RBUTTONDOWN, WM_RBUTTONUP},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.downMessage);
    TargetWindow::received().clear();
    ButtonEvent(c.down);
    ButtonEvent(c.up);
    EXPECT_TRUE(ui_test::PumpUntil([] { return TargetWindow::received().size() >= 2; }));
    EXPECT_EQ(TargetWindow::received(),
              (std::vector<std::string>{std::to_string(c.downMessage) + " 0 " + std::to_string(at),
                                        std::to_string(c.upMessage) + " 0 " + std::to_string(at)}));
    EXPECT_EQ(os::cursor::Position(), (os::Point{350, 360})) << "the cursor stays";
  }
}

}  // namespace
