// A form's native window and controls are made when it is first shown or first needs a
// handle; until then its peers keep what they are given, and the window system must then
// show exactly that.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <climits>

#include "ui/checkbox.h"
#include "ui/datetime_picker.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/memo.h"
#include "ui/trackbar.h"
#include "ui_test_support.h"

namespace {

using namespace ui_test;
using UiPending = UiTest;

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// The windows of this thread, their children included.
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// A form with a control of each family that keeps more than its text.
struct Window {
  explicit Window(const ui::TFormParams& params) : form(params) {}
  ui::TForm form;
  ui::TLabeledEdit edit{form, "Name", {{10, 20, 100, 21}, ui::akLeft, 0}, 5};
  ui::TMemo memo{form, {{10, 50, 200, 60}, ui::kAnchorsAll, 1}};
  ui::TListBox list{form, {{10, 120, 100, 60}, ui::akLeft, 2}, true};
  ui::TCheckBox box{form, "Tick", {{120, 120, 80, 17}, ui::akLeft, 3}};
  ui::TTrackBar bar{form, {{120, 140, 150, 30}, ui::akLeft, 4}, 0, 16};
  ui::TDateTimePicker picker{form, ui::TDateTimePicker::TKind::Date, {{120, 175, 100, 21}}};

  // Everything the program can read back, as one line.
  std::string State() const {
    const ui::TDateAndTime d = picker.Value();
    const ui::TRect b = memo.BoundsRect();
    return Str(edit.Text(), "|", edit.EditLabel.Caption(), " ", edit.EditLabel.BoundsRect().Width,
               "|", memo.SelStart(), "+", memo.SelLength(), " ", b.Width, "x", b.Height, "|",
               list.Item(0), list.Item(1), list.Item(2), " ", list.ItemIndex(), "|", box.Checked(),
               " ", box.Enabled(), " ", box.Visible(), "|", bar.Position(), "|", d.Year, "-",
               d.Month, "-", d.Day);
  }
};

TEST_F(UiPending, AFormMakesItsWindowsWhenFirstShownAndTheyShowWhatWasKept) {
  const int before = ThreadWindows();
  Window c({.ClassName = "TPending", .Caption = "", .ClientWidth = 300, .ClientHeight = 200});
  ui::TForm& form = c.form;
  int changes = 0;
  c.edit.OnChange = c.memo.OnChange = [&](ui::TObject*) { ++changes; };
  c.edit.SetText("abc");
  c.edit.SetCaption("A caption longer than its edit box");
  std::string text;
  for (int line = 0; line < 40; ++line) text += Str("line ", line, "\r\n");
  c.memo.SetText(text);
  c.memo.LineScroll(12);
  c.memo.SetSel(7, 3);
  for (const char* item : {"b", "A", "c"}) c.list.Add(item);
  c.list.SetItemIndex(1);
  c.box.SetChecked(true), c.box.SetEnabled(false), c.box.SetVisible(false);
  c.bar.SetPosition(7);
  c.picker.SetDate(2026, 12, 7);
  form.SetBounds(40, 50, 420, 310);  // the memo stretches
  const std::string kept = c.State();
  EXPECT_EQ(ThreadWindows(), before) << "nothing made yet";

  form.Show();
  EXPECT_EQ(c.State(), kept);
  EXPECT_GT(ThreadWindows(), before + 7);
  EXPECT_EQ(changes, 2) << "making the windows reports nothing";
  const HWND memo = Hwnd(c.memo), edit = Hwnd(c.edit);
  EXPECT_EQ(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 12);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(c.box)) || IsWindowVisible(Hwnd(c.box)));
  EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & WS_TABSTOP);
}

struct ToolCount {
  HWND owner;
  int tools = 0;
};

BOOL CALLBACK CountTools(HWND window, LPARAM count) {
  auto& [owner, tools] = *reinterpret_cast<ToolCount*>(count);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (GetWindow(window, GW_OWNER) == owner && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
    tools += static_cast<int>(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
  return TRUE;
}

// The tools of the tooltips a form owns.
int ToolTips(HWND form) {
  ToolCount count{form};
  EnumThreadWindows(GetCurrentThreadId(), CountTools, reinterpret_cast<LPARAM>(&count));
  return count.tools;
}

// A label's font and width for a caption in that font, a check box's hint and state, given
// before the window is made or after.
std::string Dressed(bool madeFirst) {
  Window w({.ClassName = "TDressed", .Caption = "", .ClientWidth = 300, .ClientHeight = 200});
  if (madeFirst) w.form.Handle();
  ui::TLabel& label = w.edit.EditLabel;
  label.SetFont({"Courier New", 15});
  label.SetTextStyle({.Bold = true});
  w.edit.SetCaption("A caption longer than its edit box");
  w.box.SetHint("Tick it");
  w.box.SetEnabled(false);
  w.form.Show();
  LOGFONTA f{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Hwnd(label), WM_GETFONT, 0, 0)), sizeof f, &f);
  return Str(f.lfFaceName, " ", f.lfHeight, " ", f.lfWeight, " | tools ", ToolTips(Hwnd(w.form)),
             " enabled ", IsWindowEnabled(Hwnd(w.box)), " | width ", label.BoundsRect().Width);
}

TEST_F(UiPending, AControlsFontHintAndStateGivenBeforeItsWindowIsMadeComeOutAsAfter) {
  const std::string pending = Dressed(false);
  EXPECT_EQ(pending, Dressed(true));
  EXPECT_EQ(pending.substr(0, pending.find(" | width")), "Courier New -15 700 | tools 1 enabled 0");
}

TEST_F(UiPending, APickerNobodySetShowsTheDayItIsMadeBeforeAndAfterItsWindowIs) {
  Window w({.ClassName = "TToday", .Caption = "", .ClientWidth = 300, .ClientHeight = 200});
  SYSTEMTIME t;
  GetLocalTime(&t);
  const std::string today = Str(t.wYear, "-", t.wMonth, "-", t.wDay);
  const auto shown = [&] {
    const ui::TDateAndTime v = w.picker.Value();
    return Str(v.Year, "-", v.Month, "-", v.Day);
  };
  const std::string pending = shown();
  w.form.Show();
  EXPECT_EQ(pending + " " + shown(), today + " " + today);
}

// The form's place and its memo's size once sized, and again once shown; the window made
// before the sizing or only by the showing.
std::string SizedAndShown(const ui::TFormParams& params, int width, int height, bool madeFirst) {
  Window w(params);
  if (madeFirst) w.form.Handle();
  w.form.SetBounds(30, 40, width, height);
  std::string shown;
  for (int pass = 0; pass < 2; ++pass, w.form.Show()) {
    const ui::TRect f = w.form.BoundsRect(), m = w.memo.BoundsRect();
    shown += Str(f.Left, ",", f.Top, " ", f.Width, "x", f.Height, " memo ", m.Width, "x", m.Height,
                 pass == 0 ? " | " : "");
  }
  return shown;
}

// Sizes asked for before the window exists are limited as the window system limits them.
TEST_F(UiPending, AFormNotYetMadeTakesTheSizeTheWindowSystemWouldGiveIt) {
  // clang-format off
  const struct { ui::TBorderStyle border; int width, height; } rows[] = {
      {ui::TBorderStyle::bsSizeable, 500, 400}, {ui::TBorderStyle::bsSizeable, 1, 1},
      {ui::TBorderStyle::bsSizeable, INT_MAX, INT_MAX}, {ui::TBorderStyle::bsSingle, 90, 0},
      {ui::TBorderStyle::bsNone, 1, 1}, {ui::TBorderStyle::bsNone, 5000, 3},
  };
  // clang-format on
  for (const auto& r : rows) {
    const ui::TFormParams params{.ClassName = "TSized",
                                 .Caption = "",
                                 .ClientWidth = 200,
                                 .ClientHeight = 150,
                                 .BorderStyle = r.border,
                                 .MinWidth = 150};
    EXPECT_EQ(SizedAndShown(params, r.width, r.height, false),
              SizedAndShown(params, r.width, r.height, true));
  }
}

}  // namespace
