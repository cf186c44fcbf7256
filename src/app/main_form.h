// The invisible main form: the tray icon with its two menus, the messages
// other programs and Windows send to the program, and the clipboard slots.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/imagelist.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/trayicon.h"

class CSettings;

// One clipboard slot.
class CClipBoard {
 public:
  std::string Text;
};

// A clipboard slot's tray item. It shows the start of the slot's text once
// the slot holds one; a new caption (a translation) is shown only while the
// slot is empty.
class TClipboardSlotItem : public ui::TMenuItem {
 public:
  TClipboardSlotItem(const CClipBoard& slot, int imageIndex)
      : ui::TMenuItem("Save (Text only)", imageIndex), slot_(slot) {}
  void SetCaption(const std::string& caption) override {
    if (slot_.Text.empty()) Caption = caption;
  }

 private:
  const CClipBoard& slot_;
};

// The registration id of the memo hotkey on the main window.
constexpr int MemoHotkeyId = 10000;

// What RunWebCommand(n) does: open the memo's first command word, or fill web
// command 1 to 3 with the memo's command text or with the clipboard text.
constexpr int kOpenMemoWord = 1;
constexpr int kWebCommand1OnMemo = 2;
constexpr int kWebCommand2OnMemo = 3;
constexpr int kWebCommand3OnMemo = 4;
constexpr int kWebCommand1OnClipboard = 5;
constexpr int kWebCommand2OnClipboard = 6;
constexpr int kWebCommand3OnClipboard = 7;

// Remote commands: the lParam of a WM_COMMAND that another program sends.
constexpr std::intptr_t kOpenInBrowserCommand = 47001;
constexpr std::intptr_t kWebCommand1Command = 47002;
constexpr std::intptr_t kWebCommand2Command = 47003;
constexpr std::intptr_t kWebCommand3Command = 47004;
constexpr std::intptr_t kAddToMemoCommand = 47005;
constexpr std::intptr_t kRunTaskCommand = 47006;

class TVelmarind : public ui::TForm {
 public:
  // Builds the menus and the tray icon, then the memo and message windows.
  TVelmarind();
  ~TVelmarind() override;

  std::array<CClipBoard, 3> Clip;

  ui::TPopupMenu MainMenu;
  ui::TMenuItem M_Quit{"Close", 20}, M_About{"About", 19}, M_Settings{"Settings", 14};
  ui::TMenuItem N6{"-"}, M_Memo{"Memo", 18};
  ui::TMenuItem M_Hotkeys{"Hotkeys", 13}, M_HotkeyEdit{"Add / Edit", 10};
  ui::TMenuItem M_enable{"Enable All"}, M_disable{"Disable All"}, N5{"-"};
  ui::TMenuItem M_Run{"Tasks", 21}, M_Edit{"Add / Edit", 10}, N1{"-"};
  ui::TMenuItem M_Timer{"Alarms", 11}, M_TimerEdit{"Add / Edit", 10};
  ui::TMenuItem M_mainalarmmessages{"Alarm Messages", 8}, N2{"-"};
  ui::TMenuItem M_Clipboard{"Clipboard", 0};
  TClipboardSlotItem M_Clipboard1{Clip[0], 4}, M_Clipboard2{Clip[1], 3};
  TClipboardSlotItem M_Clipboard3{Clip[2], 2};
  ui::TMenuItem N3{"-"};
  ui::TMenuItem M_S1{"Web  I", 15}, M_S2{"Web  II", 15}, M_S3{"Web  III", 15}, N4{"-"};
  ui::TMenuItem M_AddToMemo{"Add To Memo", 17}, M_MainOpenInBrowser{"Open In Browser", 16};
  ui::TImageList ImageList{16, 16};

  ui::TPopupMenu SecondMenu;
  ui::TMenuItem M_alarmmessages{"Alarm Messages", 8}, M_newalarm{"New Alarm", 11};
  ui::TMenuItem M_addclipboard{"Add To Memo", 17};
  ui::TMenuItem M_special1{"Special  I", 15}, M_special2{"Special  II", 15};
  ui::TMenuItem M_special3{"Special  III", 15}, M_openinbrowser{"Open In Browser", 16};

  ui::TImageList TrayImageList{16, 16};
  ui::TTrayIcon TrayIcon;
  // Set once the user may no longer keep the program from ending: from then
  // on hotkeys run nothing, as the windows they reach are being torn down.
  bool QuitConfirmed = false;

  void Dispatch(ui::TMessage& message) override;
  void OnRemoteCommand(ui::TMessage& message);
  void OnHotkey(ui::TMessage& message);
  void OnEndSession(ui::TMessage& message);
  // Saves what an end of the Windows session would lose: a list whose last
  // save failed, a changed memo with the settings, and a moved caret line.
  // Asks nothing.
  void SaveSessionState();
  // An "Information" box with that icon, shown once the message loop runs:
  // what loading found does not hold up the start.
  void ShowNoticeLater(const std::string& text, unsigned icon);

  // Starts or stops the tray icon's animation (stopping shows icon 0).
  void SetTrayAnimation(bool on);
  void TrayIconMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                       int y);
  void M_newalarmClick(ui::TObject* sender);
  // The settings' choices for the second menu: which items show, the
  // web-command captions.
  void ApplyTrayMenuOptions(const CSettings& settings);

  // Swaps the text of clipboard slot 0, 1 or 2 with the clipboard's.
  void SwapClipboardSlot(int slot);
  // Opens the clipboard text with the configured browser.
  void M_MainOpenInBrowserClick(ui::TObject* sender);
  // Adds the separator lines and the clipboard text to the memo.
  void M_AddToMemoClick(ui::TObject* sender);
  // Writes the separator template's lines into the memo: "\n" ends a line,
  // "\t" the time, "\d" the date.
  void ExpandMemoSeparator();
  // Web command n: 1 opens the memo's command text; 2 to 4 fill web command
  // 1 to 3 with it; 5 to 7 fill web command 1 to 3 with the clipboard text.
  void RunWebCommand(int n);
  // Splits the text after a browser's folder into program and arguments at
  // its first blank; quotes and backslashes are dropped.
  static void SplitCommand(const std::string& command, std::string& program,
                           std::string& arguments);
  // The template with every "%C" or "%c" replaced by the text; the text
  // itself for an empty template.
  static std::string ExpandPlaceholder(const std::string& pattern, const std::string& text);

  // The clipboard's text; "" when it cannot be read.
  std::string GetClipboardText();
  // True only when the text is on the clipboard.
  bool SetClipboardText(const std::string& text);

  // Destroys the memo and message windows, which the main form created.
  // Called once the message loop has returned.
  void DestroyOwnedWindows();

 private:
  void BuildMainMenu();
  void BuildSecondMenu();
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
  void T_NoticesTimer(ui::TObject* sender);

  struct Notice {
    std::string text;
    unsigned icon;
  };
  std::vector<Notice> notices_;
  ui::TTimer T_Notices{1, false};
};

extern TVelmarind* Velmarind;

// A new item for a task, alarm or hotkey at the end of that submenu of the
// main form (never found by its caption: a translation may give two submenus
// one text): it shows the record's name as it is and runs `onClick`. Null
// while the main form does not exist.
ui::TMenuItem* AddRecordMenuItem(ui::TMenuItem TVelmarind::*submenu, const std::string& name,
                                 ui::TNotifyEvent onClick);
