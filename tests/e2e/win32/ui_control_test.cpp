// The native controls' notifications and keys; each event is logged with its state.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "../../shared/list_sort_cases.h"
#include "../../shared/memo_line_model_cases.h"
#include "ui/checkbox.h"
#include "ui/datetime_picker.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/trackbar.h"
#include "ui_test_support.h"

namespace {

using ui_test::Hwnd;
using ui_test::Str;
using Log = std::vector<std::string>;

// A form laid out like the memo window, with a page of the settings' controls.
class UiControl : public ui_test::UiTest {
 protected:
  UiControl() {
    Watch(memo, "memo", [&] { return memo.Text(); });
    Watch(search, "search", [&] { return search.Text(); });
    Watch(list, "list", [&] { return list.Text(); });
    Watch(combo, "combo", [&] { return combo.Text(); });
    Watch(box, "box", [&] { return Str(box.Checked()); });
    Watch(bar, "bar", [&] { return Str(bar.Position()); });
    Watch(pages, "pages", [&] { return Str(pages.ActivePageIndex()); });
    Watch(picker, "picker", [&] {
      const ui::TDateAndTime t = picker.Value();
      return Str(t.Day, ".", t.Month, " ", t.Hour, ":", t.Minute, ":", t.Second);
    });
    Watch(close, "close", [] { return "-"; }), Watch(edit.EditLabel, "label", [] { return "-"; });
    memo.OnKeyPress = search.OnKeyPress = [&](ui::TObject* sender, char& key) {
      log.push_back((sender == &memo ? "memo " : "search ") + std::string(1, key));
      if (key == 'x') key = 0;  // swallowed
    };
    memo.OnKeyDown = [&](auto, auto& key, auto shift) {
      log.push_back(Str("memo down ", key) + (shift & ui::ssAlt ? " alt" : ""));
    };
    status.OnMouseDown = [&](auto, auto, auto, int x, int y) { log.push_back(Str("down@", x, y)); };
    status.OnMouseMove = [&](auto, auto, int x, int y) { log.push_back(Str("move@", x, y)); };
    form.OnMouseUp = [&](auto, auto b, auto, int x, int y) {
      log.push_back(Str("up", b, "@", x, y));
    };
  }
  void Watch(ui::TControl& c, std::string name, std::function<std::string()> state) {
    for (auto [event, text] : {std::pair{&c.OnClick, " click "}, {&c.OnDblClick, " dblclick "}})
      *event = [=, this, &c](auto s) { log.push_back((s == &c ? name : "?") + text + state()); };
    c.OnChange = [=, this, &c](auto s) {
      log.push_back((s == &c ? name : "?") + " change " + state());
    };
  }
  static LRESULT Send(const ui::TControl& c, UINT msg, WPARAM w = 0, LPARAM l = 0) {
    return SendMessageA(Hwnd(c), msg, w, l);
  }
  // A notification to the form, as the control sends it.
  void Notify(const ui::TControl& c, WORD code, UINT msg = WM_COMMAND) {
    const WPARAM w = msg == WM_COMMAND ? MAKEWPARAM(GetDlgCtrlID(Hwnd(c)), code) : code;
    SendMessageA(Hwnd(form), msg, w, reinterpret_cast<LPARAM>(Hwnd(c)));
  }
  // Keys pressed in `from` go through the program's loop; the focus is then in `focus`.
  void Keys(ui::TControl& from, std::vector<WPARAM> keys, ui::TControl& focus, bool alt = false) {
    from.SetFocus(), ui_test::PostKeys(Hwnd(from), keys, alt), ui_test::Pump(100);
    EXPECT_EQ(GetFocus(), Hwnd(focus));
  }

  ui::TForm form{{.ClassName = "TProbe", .Caption = "", .ClientWidth = 600, .ClientHeight = 200}};
  ui::TMemo memo{form, {{0, 0, 300, 150}, ui::kAnchorsAll, 0}};
  ui::TEdit search{form, {{100, 160, 60, 21}, ui::akLeft | ui::akBottom, 1}, 5};
  ui::TButton close{form, "&Close", {{240, 160, 60, 25}, ui::akRight | ui::akBottom, 2}};
  ui::TStatusBar status{form, {{0, 185, 300, 15}, ui::akLeft | ui::akBottom}};
  ui::TPageControl pages{form, {{310, 0, 290, 180}}};
  ui::TTabSheet first{pages, "First"}, second{pages, "Second"};
  ui::TCheckBox box{form, "Tick", {{326, 40, 100, 17}, ui::akLeft, 3, &first}};
  ui::TTrackBar bar{form, {{326, 60, 200, 30}, ui::akLeft, 4, &first}, 0, 16};
  ui::TListBox list{form, {{326, 100, 100, 60}, ui::akLeft, 5, &first}, true};
  ui::TComboBox combo{form, {{430, 100, 100, 21}, ui::akLeft, 6, &first}, {"a", "b"}};
  ui::TLabeledEdit edit{form, "File", {{330, 60, 150, 21}, ui::akLeft, 7, &second}};
  ui::TDateTimePicker picker{
      form, ui::TDateTimePicker::TKind::Time, {{430, 130, 100, 21}, ui::akLeft, 8, &first}};
  Log log;
};

// Native notifications come once, changes from code as their setter says, keys by route.
TEST_F(UiControl, EventsReachTheirComponentsOnce) {
  list.SetItems({"a", "b"});
  box.SetHint("Ticks it");  // its tooltip subclasses it
  form.Show();
  // Filled an item at a time, a list box that shows takes milliseconds an item; filled with
  // redrawing off, it sets its scroll bar once redrawing is on again.
  std::vector<std::string> many;
  for (int i = 0; i < 2000; ++i) many.push_back(Str("item ", i));
  const auto refill = [&] {
    const DWORD start = GetTickCount();
    list.SetItems(many);
    int top = 0, bottom = 0;
    GetScrollRange(Hwnd(list), SB_VERT, &top, &bottom);
    log.push_back(Str(GetTickCount() - start < 1000 ? "quick" : "slow", ", bar to ", bottom));
  };
  // clang-format off
  const struct { const char* what; std::function<void()> act; Log logged; } cases[] = {
      {"button clicked by another program", [&] { Send(close, BM_CLICK); }, {"close click -"}},
      {"check box clicked", [&] { Send(box, BM_CLICK); }, {"box click 1"}},
      {"list item chosen", [&] { Send(list, LB_SETCURSEL, 1), Notify(list, LBN_SELCHANGE); }, {"list click b"}},
      {"list item double-clicked", [&] { Notify(list, LBN_DBLCLK); }, {"list dblclick b"}},
      {"list refilled", refill, {"quick, bar to 1999"}},
      {"combo item chosen", [&] { Send(combo, CB_SETCURSEL, 1), Notify(combo, CBN_SELCHANGE); }, {"combo change b"}},
      {"edit double-clicked", [&] { Send(search, WM_LBUTTONDBLCLK, MK_LBUTTON); }, {"search dblclick "}},
      {"label clicked", [&] { Send(edit.EditLabel, WM_LBUTTONDOWN, MK_LBUTTON, 0), Send(edit.EditLabel, WM_LBUTTONUP); }, {"label click -"}},
      {"typed", [&] { Send(memo, WM_CHAR, 'e'); }, {"memo e", "memo change e"}},
      {"typed key swallowed", [&] { Send(memo, WM_CHAR, 'x'); }, {"memo x"}},
      {"key down", [&] { Send(memo, WM_KEYDOWN, VK_F5); }, {"memo down 116"}},
      {"system key down without Alt", [&] { Send(memo, WM_SYSKEYDOWN, VK_F9); }, {"memo down 120"}},
      {"typed up to the limit", [&] { search.SetText("1234"), log.clear(), Send(search, WM_CHAR, 'a'); }, {"search a", "search change a1234"}},
      {"slider dragged", [&] { Send(bar, TBM_SETPOS, TRUE, 3); for (WORD code : {TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}) Notify(bar, code, WM_HSCROLL); }, {"bar change 3"}},
      {"slider keys", [&] { Send(bar, WM_KEYDOWN, VK_RIGHT); }, {"bar change 4"}},
      {"status bar and form dragged", [&] { Send(status, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6)), Send(status, WM_MOUSEMOVE, 0, MAKELPARAM(9, 7)), SendMessageA(Hwnd(form), WM_RBUTTONUP, 0, MAKELPARAM(20, 160)); }, {"down@56", "move@97", "up1@20160"}},
      {"memo text set", [&] { memo.SetText("abc"); }, {"memo change abc"}},
      {"the same text again", [&] { memo.SetText("abc"); }, {}},
      {"selection replaced", [&] { memo.SetSel(3, 0), memo.SetSelText("d"); }, {"memo change abcd"}},
      {"set beyond the typing limit", [&] { search.SetText("123456"); }, {"search change 123456"}},
      {"check box ticked", [&] { box.SetChecked(false); }, {"box click 0"}},
      {"slider moved beyond its range", [&] { bar.SetPosition(30); }, {"bar change 16"}},
      {"picker set from code", [&] { picker.SetValue({2026, 12, 6, 7, 30, 0}), picker.SetTime(8, 15, 0); }, {}},
      {"picker's hour spun by the user", [&] { ui_test::Pump(100), Send(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 10)), Send(picker, WM_LBUTTONUP), Keys(picker, {VK_UP}, picker); }, {"picker change 6.12 9:15:0"}},
      {"selections", [&] { list.SetItemIndex(0), combo.SetItemIndex(0), pages.SetActivePageIndex(1); }, {}},
      {"tab clicked", [&] { RECT r{}; Send(pages, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)), Send(pages, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 5, r.top + 5)); }, {"pages change 0"}},
      // Keys take the dialog manager's route, unless the control wants them.
      {"Tab and Enter typed into the memo", [&] { memo.SetText(""), log.clear(), Keys(memo, {VK_TAB, VK_RETURN}, memo); }, {"memo down 9", "memo down 13", "memo \t", "memo change \t", "memo \r", "memo change \t\r\n"}},
      {"Tab moves on from the search box", [&] { Keys(search, {VK_TAB}, close); }, {}},
      {"Enter reaches a key-press handler", [&] { Keys(search, {VK_RETURN}, search); }, {"search \r"}},
      {"Alt and a function key", [&] { Keys(memo, {VK_F9}, memo, true); }, {"memo down 120 alt"}},
      {"Alt and the marked letter", [&] { Keys(search, {'C'}, close, true); }, {"close click -"}},
      {"Escape without a cancel button", [&] { Keys(search, {VK_ESCAPE}, search); }, {}},
      {"Escape with a cancel button", [&] { form.CancelButton = &close, Keys(search, {VK_ESCAPE}, search); }, {"close click -"}},
      // The key event first, then the default handling of the system key.
      {"Alt+F4 closes the form", [&] { Send(memo, WM_SYSKEYDOWN, VK_F4, KF_ALTDOWN << 16), ui_test::Pump(100), log.push_back(form.Visible() ? "open" : "closed"); }, {"memo down 115 alt", "closed"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    c.act();
    EXPECT_EQ(log, c.logged);
  }
  // The memo takes typing past 64 KB, and both backends follow the shared cases.
  const std::string text(70000, 'a');
  memo.SetText(text);
  memo.SetSel(70000, 0);
  for (char c : {'y', 'z'}) PostMessageA(Hwnd(memo), WM_CHAR, c, 1);
  ui_test::Pump(100);
  EXPECT_EQ(memo.Text(), text + "yz");
  memo.OnKeyPress = nullptr;
  for (const auto& c : memo_cases::Cases())
    memo_cases::RunCase(memo, c, [](ui::TMemo& m, const std::string& text) {
      for (char key : text) PostMessageA(Hwnd(m), WM_CHAR, static_cast<unsigned char>(key), 1);
      ui_test::Pump(50);
    });
  list_cases::RunCases(list);
}

TEST_F(UiControl, WrappingMemosFollowTheSameLineModel) {
  form.Show();
  for (const auto bars : {ui::TScrollStyle::ssVertical, ui::TScrollStyle::ssNone}) {
    ui::TMemo wrapping{form, {{0, 0, 100, 60}}, bars};
    for (const auto& c : memo_cases::Cases())
      memo_cases::RunCase(wrapping, c, [](ui::TMemo& m, const std::string& text) {
        for (char key : text) PostMessageA(Hwnd(m), WM_CHAR, static_cast<unsigned char>(key), 1);
        ui_test::Pump(50);
      });
  }
}

// The window system's search goes through every item; a sorted list finds an item by halves.
TEST_F(UiControl, ASortedListFindsItsItemsWithoutTheWindowSystemsSearch) {
  static WNDPROC original = nullptr;
  static int searches = 0;
  original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      Hwnd(list), GWLP_WNDPROC,
      reinterpret_cast<LONG_PTR>(+[](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        searches += msg == LB_FINDSTRINGEXACT;
        return CallWindowProcA(original, w, msg, wp, lp);
      })));
  for (int i = 0; i < 300; ++i) list.Add(Str(i % 2 ? "Item " : "item ", i));
  std::string missed;
  for (int i = 299; i >= 0; i -= 7)
    if (!list.Remove(Str(i % 2 ? "Item " : "item ", i))) missed += Str(i, " ");
  EXPECT_EQ(Str(missed, searches, " ", list.Count()), "0 257");
  EXPECT_FALSE(list.Remove("item 299"));
  EXPECT_GT(searches, 0) << "an item not found is looked for everywhere";
  SetWindowLongPtrA(Hwnd(list), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

// A control's own font keeps its text style and the form's font for what it does not name;
// points follow the display's resolution, and the window system keeps 31 characters of a name.
TEST_F(UiControl, AControlTakesItsOwnFontALabelItsTextsWidthAndAMemoItsScrollBars) {
  const auto font = [](const ui::TControl& c) {
    LOGFONTA f{};
    GetObjectA(reinterpret_cast<HFONT>(Send(c, WM_GETFONT)), sizeof f, &f);
    return Str(f.lfFaceName, " ", f.lfHeight, " ", f.lfWeight, " ", int{f.lfUnderline});
  };
  const HDC screen = GetDC(nullptr);
  const int points12 = MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  const std::string longName = "Courier New and a name too long for the window system";
  ui::TLabel& label = edit.EditLabel;
  // clang-format off
  const struct { ui::TControl* control; std::function<void()> act; std::string font; } cases[] = {
      {&close, [&] { close.SetFont({.Height = 12}); }, "Tahoma -12 400 0"},
      {&label, [&] { label.SetTextStyle({.Underline = true, .Bold = true}), label.SetFont({.Height = 15}); }, "Tahoma -15 700 1"},
      {&label, [&] { label.SetFont({"Courier New", 12, true}); }, Str("Courier New -", points12, " 700 1")},
      {&close, [&] { close.SetFont({longName}); }, longName.substr(0, 31) + " -11 400 0"},
      {&close, [&] { close.SetFont({}); }, "Tahoma -11 400 0"},
  };
  // clang-format on
  for (const auto& c : cases) {
    c.act();
    EXPECT_EQ(font(*c.control), c.font);
  }
  close.SetFont({longName});
  EXPECT_EQ(close.Font().Name, longName) << "the name as asked for";

  // A labelled edit's label grows to hold a longer caption on one line, in its own font.
  const std::string caption = "A caption much longer than its edit box of 150 pixels";
  edit.SetCaption(caption);
  SIZE extent{};
  const HDC dc = GetDC(Hwnd(label));
  SelectObject(dc, reinterpret_cast<HFONT>(Send(label, WM_GETFONT)));
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  ReleaseDC(Hwnd(label), dc);
  EXPECT_GT(extent.cx, 150);
  EXPECT_EQ(label.BoundsRect().Width, extent.cx);

  ui::TMemo wrapped{form, {{0, 0, 100, 60}}, ui::TScrollStyle::ssVertical};
  ui::TMemo bare{form, {{0, 0, 100, 60}}, ui::TScrollStyle::ssNone};
  constexpr LONG kBars = WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
  for (auto [m, bars] : {std::pair{&memo, kBars}, {&wrapped, WS_VSCROLL}, {&bare, 0L}}) {
    EXPECT_EQ(GetWindowLongA(Hwnd(*m), GWL_STYLE) & kBars, bars);
    m->SetText("a line far too long to fit into the width of the smallest of these memos");
    EXPECT_EQ(Send(*m, EM_GETLINECOUNT) > 1, m != &memo)
        << "only a memo without a horizontal bar wraps";
  }
}

// Labels, check boxes, group boxes and track bars on a page lie on the page's background, which
// the theme paints apart from the form's; elsewhere on the form's, as the window system's face.
// A label over the row of tabs shows them as they paint themselves now.
TEST_F(UiControl, ControlsOnAPageAreDrawnOnThePagesBackground) {
  ui::TForm plain{{.ClassName = "TPlain", .Caption = "", .ClientWidth = 300, .ClientHeight = 100}};
  struct Controls {
    Controls(ui::TForm& form, int left, int top, ui::TTabSheet* page)
        : label{form, "Label", {{left, top, 100, 13}, ui::akLeft, -1, page}},
          box{form, "Box", {{left, top + 20, 100, 17}, ui::akLeft, -1, page}},
          group{form, "Group", {{left + 120, top, 130, 75}, ui::akLeft, -1, page}},
          bar{form, {{left + 130, top + 20, 110, 30}, ui::akLeft, -1, page}, 0, 10} {}
    ui::TLabel label;
    ui::TCheckBox box;
    ui::TGroupBox group;
    ui::TTrackBar bar;
  } onPage{form, 320, 95, &second}, onForm{plain, 10, 10, nullptr};
  ui::TLabel overTabs{form, "", {{310, 0, 100, 30}, ui::akLeft, -1, &second}};
  onPage.box.SetHint("Ticks it");
  pages.SetActivePageIndex(1);
  form.Show(), plain.Show(), ui_test::Pump(200);
  const auto pixel = [](const ui::TControl& c, int x, int y) {
    const HDC dc = GetDC(Hwnd(c));
    const COLORREF color = GetPixel(dc, x, y);
    return ReleaseDC(Hwnd(c), dc), color;
  };
  const COLORREF page = pixel(pages, 280, 170), face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(page, face);
  for (const auto& [controls, background] : {std::pair{&onPage, page}, {&onForm, face}}) {
    // clang-format off
    const struct { const char* where; const ui::TControl& control; int x, y; } cases[] = {
        {"label", controls->label, 95, 6}, {"check box", controls->box, 95, 8},
        {"group box's caption", controls->group, 20, 1}, {"group box", controls->group, 100, 60},
        {"track bar", controls->bar, 1, 1},
    };
    // clang-format on
    for (const auto& c : cases)
      EXPECT_EQ(pixel(c.control, c.x, c.y), background)
          << c.where << (controls == &onPage ? " on the page" : " on the form");
  }
  // The tabs, focused, as they paint themselves over the form's face; the label over them too.
  pages.SetFocus(), ui_test::Pump(100);
  RECT tabs;
  GetClientRect(Hwnd(pages), &tabs);
  const HDC printed = CreateCompatibleDC(nullptr);
  const HGDIOBJ former = SelectObject(printed, CreateBitmap(tabs.right, tabs.bottom, 1, 32, 0));
  FillRect(printed, &tabs, GetSysColorBrush(COLOR_BTNFACE));
  SendMessageA(Hwnd(pages), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed), PRF_CLIENT);
  int differing = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) differing += pixel(overTabs, x, y) != GetPixel(printed, x, y);
  EXPECT_EQ(differing, 0);
  DeleteObject(SelectObject(printed, former)), DeleteDC(printed);
}

}  // namespace
