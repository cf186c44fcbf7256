// Forms, the application window, dialogs, timers, menus and the tray: message routing
// and the nested loops only the win32 backend has, driven from another thread.
#define OEMRESOURCE  // the submenu arrow's bitmap
#include <algorithm>

#include "ui/menu.h"
#include "ui/open_dialog.h"
#include "ui/page_control.h"
#include "ui/timer.h"
#include "ui/trayicon.h"
#include "ui_test_support.h"
// after windows.h, which it needs
#include <commctrl.h>
#include <shellapi.h>

namespace {

using namespace ui_test;
using UiForm = UiTest;

TEST_F(UiForm, AnAppWindowHasNoOwnerAndEveryFormItsClientSize) {
  for (const bool appWindow : {false, true}) {  // with a sizing frame or a single one
    ui::TFormParams p;
    p.ClassName = Str("TProbe", appWindow), p.ClientWidth = 301, p.ClientHeight = 203;
    p.BorderStyle = appWindow ? ui::TBorderStyle::bsSingle : ui::TBorderStyle::bsSizeable;
    p.AppWindow = appWindow;
    ProbeForm form(p);
    RECT r;
    GetClientRect(Hwnd(form), &r);
    EXPECT_EQ(Str(GetWindow(Hwnd(form), GW_OWNER) == Hwnd(app), " ", r.right, "x", r.bottom),
              Str(!appWindow, " 301x203"));
  }
}

TEST_F(UiForm, SentMessageReachesOverriddenDispatchAndAnExceptionIsShownUnderTheTitle) {
  app.SetTitle("Velmarind probe");  // on the application window, which leaves the taskbar
  app.HideFromTaskbar();
  EXPECT_NE(GetWindowLongA(Hwnd(app), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  ProbeForm form;
  EXPECT_EQ(SendMessageA(Hwnd(form), kAdd, 40, 2) + form.Perform(kAdd, 7, 8), 42 + 15);
  std::string shown;
  Driver hands("#32770", "Velmarind probe", [&](HWND box) {
    shown = ui::win32::WindowText(GetDlgItem(box, 0xFFFF));
    SendDlgItemMessageA(box, IDOK, BM_CLICK, 0, 0);
  });
  EXPECT_EQ(SendMessageA(Hwnd(form), kThrow, 0, 0), 0);
  EXPECT_TRUE(hands.Finish());
  EXPECT_EQ(shown, "handler failed");
  EXPECT_EQ(SendMessageA(Hwnd(form), kAdd, 1, 2), 3) << "the program goes on";
}

TEST_F(UiForm, ShowModalRunsUntilTheFormIsClosedWithTheOtherWindowsDisabled) {
  // clang-format off
  const struct { const char* how; void (*close)(ProbeForm&); ui::TModalResult result; WPARAM quit; } cases[] = {
      {"WM_CLOSE posted", [](ProbeForm& f) { PostMessageA(Hwnd(f), WM_CLOSE, 0, 0); }, ui::mrCancel, 0},
      {"result set by a posted message", [](ProbeForm& f) { f.PostMessage(kAccept, 0, 0); }, ui::mrOk, 0},
      // Handled inside GetMessage, which then waits for a posted message.
      {"WM_CLOSE sent by another thread", [](ProbeForm& f) {
        std::thread([w = Hwnd(f)] { SendMessageA(w, WM_CLOSE, 0, 0); }).detach(); }, ui::mrCancel, 0},
      {"quit, left queued for the loop outside", [](ProbeForm&) { PostQuitMessage(3); }, ui::mrCancel, 3},
      {"WM_CLOSE to the application window, which closes the main form", [](ProbeForm& f) {
        ui::Application->MainForm = &f, PostMessageA(Hwnd(*ui::Application), WM_CLOSE, 0, 0); }, ui::mrCancel, 0},
  };
  // clang-format on
  ProbeForm other;
  other.Show();
  for (const auto& c : cases) {
    ProbeForm form;
    bool otherEnabledMeanwhile = false;  // stays so when OnClose never runs
    form.OnShow = [&](ui::TObject*) { c.close(form); };
    form.OnClose = [&](auto, auto&) { otherEnabledMeanwhile = IsWindowEnabled(Hwnd(other)); };
    LoopGuard guard(5000, [&] { form.ModalResult = 99; });  // a result no row expects
    EXPECT_EQ(form.ShowModal(), c.result) << c.how;
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(quit.wParam, c.quit) << c.how;
    EXPECT_FALSE(IsWindowVisible(Hwnd(form)) || otherEnabledMeanwhile) << c.how;
    EXPECT_TRUE(IsWindowEnabled(Hwnd(other))) << c.how << ": enabled again afterwards";
    app.MainForm = nullptr;
  }
}

// Sent by a thread of its own while this one runs the program's loop; the answer.
LRESULT SendFromAnotherThread(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  std::atomic<LRESULT> answer = -1;
  std::thread sender([&] { answer = SendMessageA(window, msg, wparam, lparam); });
  PumpUntil([&] { return answer != -1; });
  return sender.join(), answer;
}

// Posted (PostMessage refuses all but two) or sent by another thread, also while the form handles
// another thread's message, a message carrying a pointer is answered 0 and reaches no handler;
// the form's tabs, clicked by another thread, still tell it. A fault while handling another
// thread's message ends only the handling: the bait, pointers to itself, makes a reader show.
TEST_F(UiForm, AMessageCarryingAPointerIsTakenOnlyFromThisThread) {
  struct : ProbeForm {
    void Dispatch(ui::TMessage& m) override {
      seen.push_back(m.Msg);
      if (m.Msg == kAdd) SendFromAnotherThread(Hwnd(*this), WM_NOTIFY, 0, 8);
      ProbeForm::Dispatch(m);
    }
    std::vector<UINT> seen;
  } form;
  ui::TEdit edit{form, {{0, 0, 60, 21}}};
  edit.OnKeyPress = [](auto, char&) {};  // its WM_GETDLGCODE is read
  ui::TPageControl pages{form, {{0, 30, 200, 100}}};
  ui::TTabSheet first{pages, "First"}, second{pages, "Second"};
  ui::TImageList icons(16, 16);
  ui::TTrayIcon tray(icons, "", 500);
  form.Show(), Pump(50), form.seen.clear();
  const HWND f = Hwnd(form), a = Hwnd(app), t = FindWindowA(ui::win32::kTrayWindowClass, nullptr);
  LPARAM bait[16];
  std::ranges::fill(bait, reinterpret_cast<LPARAM>(bait));
  // clang-format off
  const std::pair<HWND, UINT> cases[] = {{f, WM_NOTIFY}, {f, WM_INITDIALOG}, {f, WM_GETDLGCODE}, {f, WM_MEASUREITEM},
      {f, WM_DRAWITEM}, {f, WM_GETMINMAXINFO}, {f, WM_NCCREATE}, {Hwnd(edit), WM_GETDLGCODE}, {a, WM_NCCREATE},
      {a, WM_MEASUREITEM}, {a, WM_DRAWITEM}, {t, WM_NCCREATE}};
  // clang-format on
  for (const auto& [window, msg] : cases)
    for (const LPARAM l :
         {0L, 8L, static_cast<LPARAM>(0xA0D15C88), reinterpret_cast<LPARAM>(bait)}) {
      EXPECT_EQ(PostMessageA(window, msg, 0, l) ? 0 : GetLastError(),
                msg == WM_NOTIFY || msg == WM_INITDIALOG ? 0 : ERROR_MESSAGE_SYNC_ONLY);
      Pump(10);
      EXPECT_EQ(SendFromAnotherThread(window, msg, 0, l), 0) << msg;
    }
  SendFromAnotherThread(f, kAdd, 0, 0);
  for (const auto& [window, msg] : cases) EXPECT_EQ(std::ranges::count(form.seen, msg), 0) << msg;
  RECT tab{};
  SendMessageA(Hwnd(pages), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  SendFromAnotherThread(Hwnd(pages), WM_LBUTTONDOWN, MK_LBUTTON,
                        MAKELPARAM(tab.left + 5, tab.top + 5));
  EXPECT_GT(std::ranges::count(form.seen, WM_NOTIFY), 0) << "the tabs' change";
}

TEST_F(UiForm, InputQueryShowsTheValueSelectedAndAnswersButtonsAndKeys) {
  // clang-format off
  const struct { void (*answer)(HWND dialog, HWND edit); bool ok; const char* value; } cases[] = {
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); }, true, "typed"},
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), SendDlgItemMessageA(d, IDCANCEL, BM_CLICK, 0, 0); }, false, "old value"},
      {[](HWND, HWND e) { PostKeys(e, {'N'}), Sleep(100), PostKeys(e, {VK_RETURN}); }, true, "n"},  // typed over the whole value
      {[](HWND, HWND e) { PostKeys(e, {VK_ESCAPE}); }, false, "old value"},
      // Only the dialog's making brings its data: these come from another thread.
      {[](HWND d, HWND e) { PostMessageA(d, WM_INITDIALOG, 0, 8), SendMessageA(d, WM_INITDIALOG, 0, 8), SetWindowTextA(e, "typed"), SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); }, true, "typed"},
  };
  // clang-format on
  ProbeForm other;  // a window of the program, which waits for the answer
  other.Show();
  for (const auto& c : cases) {
    std::string value = "old value";
    bool otherEnabledMeanwhile = true;
    Driver hands("#32770", "Rename", [&](HWND d) {
      otherEnabledMeanwhile = IsWindowEnabled(Hwnd(other));
      c.answer(d, FindWindowExA(d, 0, "Edit", 0));
    });
    LoopGuard guard(5000, [] { EndDialog(FindWindowA("#32770", "Rename"), IDCANCEL); });
    EXPECT_EQ(ui::ShowInputQuery("Rename", "New name:", value), c.ok) << c.value;
    EXPECT_TRUE(hands.Finish());
    EXPECT_EQ(value, c.value);
    EXPECT_FALSE(otherEnabledMeanwhile) << c.value;
    EXPECT_TRUE(IsWindowEnabled(Hwnd(other))) << c.value << ": enabled again afterwards";
  }
}

// A timer stopped, or destroyed, in its handler after `fires` ticks gets no more WM_TIMER.
TEST(UiTimer, FiresThroughTheLoopUntilStoppedOrDestroyedInItsHandler) {
  for (const int fires : {3, 1}) {
    auto timer = std::make_unique<ui::TTimer>(20, true);
    int fired = 0, ticksAfter = 0;
    timer->OnTimer = [&](ui::TObject*) {
      if (++fired == fires) fires == 1 ? timer.reset() : timer->SetEnabled(false);
    };
    EXPECT_TRUE(PumpUntil([&] { return fired == fires; }));
    // Taken from the queue unhandled: a dead timer's tick could crash.
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 200; Sleep(10))
      for (MSG m; PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE);) ++ticksAfter;
    EXPECT_EQ(std::pair(fired, ticksAfter), std::pair(fires, 0)) << fires;
  }
}

// The texts of a menu's items, " +" after a checked one; "" for a separator.
std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    texts.push_back(Str(text, GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED ? " +" : ""));
  }
  return texts;
}

// The captions an open menu with pictures cuts, as "caption: width > room". Wine draws every
// caption after the check mark's column and the widest picture (16 px and 2 on either side)
// and clips it at the submenu arrow's column.
std::vector<std::string> CutCaptions(HMENU menu) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ font = SelectObject(dc, CreateFontIndirectA(&metrics.lfMenuFont));
  BITMAP arrow{};
  GetObjectA(LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_MNARROW)), sizeof arrow, &arrow);
  std::vector<std::string> cut;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    const int length = GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    RECT item{};
    SIZE extent{};
    GetMenuItemRect(nullptr, menu, i, &item);
    GetTextExtentPoint32A(dc, text, length, &extent);
    const int room =
        item.right - item.left - 4 - GetSystemMetrics(SM_CXMENUCHECK) - 20 - arrow.bmWidth;
    if (extent.cx > room) cut.push_back(Str(text, ": ", extent.cx, " > ", room));
  }
  DeleteObject(SelectObject(dc, font));
  DeleteDC(dc);
  return cut;
}

TEST_F(UiForm, PopupMenuShowsTheVisibleItemsAndRunsTheChosenOneWithoutAnyWmCommand) {
  ui::TImageList images(16, 16);
  for (std::uint32_t argb : {0xFFFF0000, 0x80008000}) images.Add({16, 16, std::vector(256, argb)});
  ui::TPopupMenu menu;
  menu.Images = &images;
  ui::TMenuItem open{"&Open", 0}, separator{"-"}, hidden{"Hidden"}, disabled{"Disabled"},
      checked{"Checked", 1}, tea{"Tea & cake"}, dash{"-"}, more{"More"}, inner{"Inner"};
  hidden.Visible = disabled.Enabled = false, checked.Checked = true;
  tea.Verbatim = dash.Verbatim = true;  // a name shown as it is
  for (ui::TMenuItem* item : {&open, &separator, &hidden, &disabled, &checked, &tea, &dash, &more})
    menu.Items.Add(*item);
  more.Add(inner);
  std::vector<std::string> clicked;
  for (ui::TMenuItem* item : {&open, &hidden, &disabled, &checked, &inner})
    item->OnClick = [&, item](ui::TObject*) { clicked.push_back(item->Caption); };
  ProbeForm owner;
  // clang-format off
  const struct { std::vector<WPARAM> keys; std::vector<std::string> clicked; } cases[] = {
      {{VK_DOWN, VK_RETURN}, {"&Open"}}, {{VK_UP, VK_RIGHT, VK_RETURN}, {"Inner"}}, {{VK_ESCAPE}, {}},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, {"Checked"}},  // past the separator and the disabled item
      {{VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, {}},        // the disabled item
  };
  // clang-format on
  for (const auto& c : cases) {
    clicked.clear(), owner.commands = owner.imagesDrawn = 0;
    // The menu paints before the keys arrive. Its texts, " +" after an item with a check mark.
    std::vector<std::string> texts;
    Driver hands("#32768", nullptr, [&](HWND menu) {
      Sleep(100);
      texts = MenuTexts(reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)));
      PostKeys(menu, c.keys);
    });
    LoopGuard guard(5000, [] { EndMenu(); });
    menu.Popup(100, 100, owner.Handle());
    EXPECT_TRUE(hands.Finish()) << "no menu came up";
    Pump(50);  // a WM_COMMAND would have been posted
    EXPECT_EQ(clicked, c.clicked) << c.keys.size();
    EXPECT_EQ(texts, (std::vector<std::string>{"&Open", "", "Disabled", "Checked +", "Tea && cake",
                                               "-", "More"}));
    EXPECT_EQ(owner.commands, 0);
    EXPECT_GE(owner.imagesDrawn, 2) << "the owner draws the images of Open and Checked";
  }
}

// A submenu is empty until it opens, filled once however often it opens, and its items, filled
// while the menu is tracked, run as the items they show. A name wider than the one item with a
// picture is shown whole; a menu that shows no picture gets none.
TEST_F(UiForm, PopupMenuFillsEachSubmenuOnceWhenItFirstOpens) {
  ui::TImageList images(16, 16);
  images.Add({16, 16, std::vector(256, 0xFF0000FFu)});
  ui::TPopupMenu menu;
  menu.Images = &images;
  ui::TMenuItem first{"First"}, more{"More"}, inner{"Inner", 0}, separator{"-"}, hidden{"Hidden"},
      deeper{"Deeper, wider than Inner"}, deepest{"Deepest"}, hiddenPicture{"Hidden", 0};
  inner.Checked = true, hidden.Visible = hiddenPicture.Visible = false;
  menu.Items.Add(first), menu.Items.Add(more), menu.Items.Add(hiddenPicture), deeper.Add(deepest);
  for (ui::TMenuItem* item : {&inner, &separator, &hidden, &deeper}) more.Add(*item);
  std::vector<std::string> clicked;
  for (ui::TMenuItem* item : {&first, &inner, &deeper, &deepest})
    item->OnClick = [&, item](ui::TObject*) { clicked.push_back(item->Caption); };
  ProbeForm owner;
  std::vector<std::string> seen;  // the submenu's texts: before opening, opened, opened again
  std::vector<std::string> cut = {"not looked at"};
  MENUITEMINFOA picture{};
  picture.cbSize = sizeof picture, picture.fMask = MIIM_BITMAP;
  Driver hands("#32768", nullptr, [&](HWND window) {
    Sleep(100);
    const HMENU top = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    const HMENU sub = GetSubMenu(top, 1);
    GetMenuItemInfoA(top, 0, TRUE, &picture);
    const auto look = [&](const std::vector<WPARAM>& keys) {
      PostKeys(window, keys), Sleep(150);
      seen.push_back(Str(GetMenuItemCount(sub), ":", testing::PrintToString(MenuTexts(sub))));
    };
    look({});
    look({VK_UP, VK_RIGHT});
    cut = CutCaptions(sub);
    look({VK_LEFT, VK_RIGHT});
    PostKeys(window, {VK_UP, VK_RIGHT, VK_RETURN});  // Deeper, then Deepest
  });
  LoopGuard guard(5000, [] { EndMenu(); });
  menu.Popup(100, 100, owner.Handle());
  EXPECT_TRUE(hands.Finish()) << "no menu came up";
  Pump(50);
  const std::string filled = R"(3:{ "Inner +", "", "Deeper, wider than Inner" })";
  EXPECT_EQ(seen, (std::vector<std::string>{"0:{}", filled, filled}));
  EXPECT_EQ(cut, std::vector<std::string>{});
  EXPECT_EQ(picture.hbmpItem, nullptr);
  EXPECT_EQ(clicked, std::vector<std::string>{"Deepest"});
  EXPECT_EQ(owner.commands, 0);
  EXPECT_GE(owner.imagesDrawn, 1) << "the owner draws the image of Inner";
}

// A timer that removes an item while the menu is open: choosing that item then runs nothing.
TEST_F(UiForm, AnItemRemovedWhileItsMenuIsOpenIsNotRun) {
  ui::TPopupMenu menu;
  int clicks = 0;
  ui::TMenuItem* quick = menu.Items.AddNew("Quick alarm");
  quick->OnClick = [&](ui::TObject*) { ++clicks; };
  ui::TTimer fired(50);
  fired.OnTimer = [&](ui::TObject*) {
    menu.Items.Remove(quick);
    fired.SetEnabled(false);
  };
  ProbeForm owner;
  Driver hands("#32768", nullptr, [&](HWND window) {
    Sleep(300);  // the timer has fired
    PostKeys(window, {VK_DOWN, VK_RETURN});
  });
  LoopGuard guard(5000, [] { EndMenu(); });
  menu.Popup(100, 100, owner.Handle());
  EXPECT_TRUE(hands.Finish()) << "no menu came up";
  EXPECT_EQ(menu.Items.Count(), 0);
  EXPECT_EQ(clicks, 0);
}

// A right-button click on an item chooses it only when the menu tracks both buttons.
TEST_F(UiForm, PopupMenuTakesTheRightButtonOnlyWhenItTracksIt) {
  ui::TPopupMenu menu;
  ui::TMenuItem first{"First"};
  menu.Items.Add(first);
  int clicks = 0;
  first.OnClick = [&](ui::TObject*) { ++clicks; };
  ProbeForm owner;
  for (const auto& [track, chosen] :
       {std::pair{ui::TTrackButton::tbRightButton, 1}, {ui::TTrackButton::tbLeftButton, 0}}) {
    menu.TrackButton = track;
    menu.MenuAnimation = ui::TMenuAnimation::maBottomToTop;
    clicks = 0;
    Driver hands("#32768", nullptr, [&](HWND window) {
      Sleep(100);
      RECT item{};
      GetMenuItemRect(nullptr, reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)), 0,
                      &item);
      SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2);
      INPUT click[2]{};
      click[0].type = click[1].type = INPUT_MOUSE;
      click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN, click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
      SendInput(2, click, sizeof(INPUT));
      Sleep(200);
      if (IsWindowVisible(window)) PostKeys(window, {VK_ESCAPE});
    });
    LoopGuard guard(5000, [] { EndMenu(); });
    menu.Popup(100, 100, owner.Handle());
    EXPECT_TRUE(hands.Finish()) << "no menu came up";
    EXPECT_EQ(clicks, chosen) << static_cast<int>(track);
  }
}

TEST_F(UiForm, TrayIconReportsTheButtonGoingUpAtTheCursor) {
  using namespace ui::win32;
  ui::TImageList icons(16, 16);                           // none: the shell shows an empty icon
  ui::TTrayIcon tray(icons, std::string(300, 'h'), 500);  // a hint longer than a tooltip holds
  std::vector<std::string> got;
  tray.OnMouseUp = [&](auto, auto b, auto, int x, int y) { got.push_back(Str(b, "@", x, ",", y)); };
  SetCursorPos(50, 60);
  // clang-format off
  for (auto [icon, mouse] : {std::pair{kTrayIconId, WM_LBUTTONUP}, {kTrayIconId, WM_RBUTTONUP}, {kTrayIconId, WM_MBUTTONUP},
                             {kTrayIconId, WM_RBUTTONDOWN}, {kTrayIconId, WM_MOUSEMOVE}, {kTrayIconId + 1, WM_RBUTTONUP}})
    PostMessageA(FindWindowA(kTrayWindowClass, nullptr), kTrayCallbackMessage, icon, mouse);
  // clang-format on
  Pump(100);
  EXPECT_EQ(got, (std::vector<std::string>{"0@50,60", "1@50,60", "2@50,60"}));
}

// A restarted shell has forgotten every icon when it broadcasts "TaskbarCreated".
TEST_F(UiForm, TrayIconComesBackWhenTheTaskbarIsCreatedAgain) {
  ui::TImageList icons(16, 16);
  ui::TTrayIcon tray(icons, "Velmarind", 500);
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon, icon.uID = ui::win32::kTrayIconId;
  icon.hWnd = FindWindowA(ui::win32::kTrayWindowClass, nullptr);
  const auto shown = [&] { return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE; };
  ASSERT_TRUE(shown() && Shell_NotifyIconA(NIM_DELETE, &icon));
  ASSERT_FALSE(shown());
  SendMessageA(icon.hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(shown());
}

TEST_F(UiForm, OpenDialogReturnsTheFileTheUserChose) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string file = Str(temp, "velmarind-open-probe.txt");
  CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ui::TOpenDialog dialog("Velmarind - Select File", "All (*.*)|*.*");
  for (const bool choose : {true, false}) {
    Driver hands("#32770", "Velmarind - Select File", [&](HWND box) {
      if (choose) SetDlgItemTextA(box, 0x047C, file.c_str());  // the file name box
      PostMessageA(box, WM_COMMAND, choose ? IDOK : IDCANCEL, 0);
    });
    LoopGuard guard(10000, [] {
      PostMessageA(FindWindowA("#32770", "Velmarind - Select File"), WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.Execute(), choose);
    EXPECT_TRUE(hands.Finish());
    EXPECT_EQ(dialog.FileName, file) << "a cancel keeps the last choice";
  }
  DeleteFileA(file.c_str());
}

// The 32-bit pixels of a bitmap, top row first.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(width * height);
  const HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  return pixels;
}

TEST(UiImages, MenuImagesAreBlendedAndFadedAndIconsMaskTheirTransparentPixels) {
  // Opaque red, half-opaque blue, transparent with colour, opaque green; drawn on grey,
  // so that no channel saturates and a blend of colours not premultiplied would show.
  const std::vector<std::uint32_t> row = {0xFFFF0000, 0x800000FF, 0x00123456, 0xFF00FF00};
  // clang-format off
  const struct { UINT state; std::vector<std::uint32_t> expected; } cases[] = {  // 0xRRGGBB
      {0, {0xFF0000, 0x2020A0, 0x404040, 0x00FF00}}, {ODS_GRAYED, {0x882828, 0x343464, 0x404040, 0x288828}},
  };
  // clang-format on
  const HBITMAP image = ui::win32::CreateMenuBitmap({4, 1, row});
  const HBITMAP target = CreateBitmap(4, 1, 1, 32, nullptr);
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& c : cases) {
    const HGDIOBJ old = SelectObject(dc, target);
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, 0, 0x404040);
    DRAWITEMSTRUCT item{
        ODT_MENU, 0, 0, 0, c.state, nullptr, dc, {0, 0, 4, 1}, reinterpret_cast<ULONG_PTR>(image)};
    EXPECT_TRUE(ui::win32::HandleMenuImageMessage(WM_DRAWITEM, reinterpret_cast<LPARAM>(&item)));
    SelectObject(dc, old);
    const auto pixels = Pixels(target, 4, 1);
    for (int x = 0; x < 4; ++x)
      for (int shift : {16, 8, 0})
        EXPECT_NEAR(pixels[x] >> shift & 0xFF, c.expected[x] >> shift & 0xFF, 2) << c.state << x;
  }
  DeleteDC(dc), DeleteObject(target), DeleteObject(image);
  // An icon of two such rows: its mask marks the transparent pixels alone, which are black.
  std::vector<std::uint32_t> rows = row;
  rows.insert(rows.end(), row.begin(), row.end());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(ui::win32::CreateIconFromImage({4, 2, rows}), &info));
  const auto mask = Pixels(info.hbmMask, 4, 2), color = Pixels(info.hbmColor, 4, 2);
  for (int at = 0; at < 8; ++at)
    EXPECT_EQ(Str(mask[at] & 0xFFFFFF, " ", color[at]),
              Str(at % 4 == 2 ? 0xFFFFFF : 0, " ", at % 4 == 2 ? 0 : rows[at]))
        << at;
}

}  // namespace
