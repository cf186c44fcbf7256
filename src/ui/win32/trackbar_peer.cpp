// A horizontal track bar: its range and position; a new position reached by
// the user becomes OnChange.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

constexpr NativeClass kTrackBarClass{TRACKBAR_CLASSA, kChild | TBS_HORZ | TBS_AUTOTICKS, 0, true};

class TrackBarPeer final : public NativeControl {
 public:
  TrackBarPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, kTrackBarClass, state) {}

  void SetRange(int minimum, int maximum) override {
    SendMessageA(hwnd_, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
    reportedPosition_ = Position();
  }
  int Position() const override { return static_cast<int>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)); }
  void SetPosition(int position) override {
    SendMessageA(hwnd_, TBM_SETPOS, TRUE, position);
    reportedPosition_ = Position();
  }

  // A drag sends several WM_HSCROLL, so only a new position is reported.
  void Scrolled() override {
    if (Position() == reportedPosition_) return;
    reportedPosition_ = Position();
    control_.NotifyChange();
  }

  LRESULT Colors(HDC dc) const override { return PageColors(dc); }

 private:
  int reportedPosition_ = 0;
};

}  // namespace

Family CreateTrackBarPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<TrackBarPeer>(control, parent, state);
}

}  // namespace ui::win32
