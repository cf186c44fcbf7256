#include "app/main_form.h"

#include <utility>

#include "alarms/alarm_form.h"
#include "alarms/alarm_handler_form.h"
#include "app/images.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "os/os.h"
#include "settings/about.h"
#include "settings/settings_form.h"
#include "settings/show_message.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

TVelmarind* Velmarind = nullptr;

namespace {

// Lists whose last save failed: written now, or they would lose the change.
void SaveUnsavedLists() {
  if (F_TaskHandler) F_TaskHandler->TaskHandler.SaveIfUnsaved();
  if (F_AlarmHandler) F_AlarmHandler->AlarmHandler.SaveIfUnsaved();
  if (F_HotkeyHandler) F_HotkeyHandler->HotkeyHandler.SaveIfUnsaved();
}

// Shows a hidden window, closes a visible one.
void Toggle(ui::TForm* form) {
  if (!form) return;
  if (form->Visible())
    form->Close();
  else
    form->Show();
}

// The tray icon shows its first image as soon as it exists.
ui::TImageList& WithTrayIcons(ui::TImageList& list) {
  app::AddTrayIcons(list);
  return list;
}

void AddAll(ui::TMenuItem& parent, std::initializer_list<ui::TMenuItem*> items) {
  for (ui::TMenuItem* item : items) parent.Add(*item);
}

}  // namespace

TVelmarind::TVelmarind()
    : ui::TForm(ui::TFormParams{.ClassName = "TVelmarind", .Caption = "", .WindowAtOnce = true}),
      TrayIcon(WithTrayIcons(TrayImageList), "Velmarind 5.0", 500) {
  Name = "Velmarind";
  // The names the translation files use.
  NameComponents({{&M_About, "M_About"},
                  {&M_AddToMemo, "M_AddToMemo"},
                  {&M_Clipboard, "M_Clipboard"},
                  {&M_Clipboard1, "M_Clipboard1"},
                  {&M_Clipboard2, "M_Clipboard2"},
                  {&M_Clipboard3, "M_Clipboard3"},
                  {&M_Edit, "M_Edit"},
                  {&M_HotkeyEdit, "M_HotkeyEdit"},
                  {&M_Hotkeys, "M_Hotkeys"},
                  {&M_MainOpenInBrowser, "M_MainOpenInBrowser"},
                  {&M_Memo, "M_Memo"},
                  {&M_Quit, "M_Quit"},
                  {&M_Run, "M_Run"},
                  {&M_Settings, "M_Settings"},
                  {&M_Timer, "M_Timer"},
                  {&M_TimerEdit, "M_TimerEdit"},
                  {&M_addclipboard, "M_addclipboard"},
                  {&M_alarmmessages, "M_alarmmessages"},
                  {&M_disable, "M_disable"},
                  {&M_enable, "M_enable"},
                  {&M_mainalarmmessages, "M_mainalarmmessages"},
                  {&M_openinbrowser, "M_openinbrowser"}});
  app::AddMenuImages(ImageList);
  BuildMainMenu();
  BuildSecondMenu();
  TrayIcon.OnMouseUp = ui::Handler(this, &TVelmarind::TrayIconMouseUp);
  OnClose = ui::Handler(this, &TVelmarind::FormClose);
  T_Notices.OnTimer = ui::Handler(this, &TVelmarind::T_NoticesTimer);
  F_Memo = new TF_Memo();
  F_ShowMessage = new TF_ShowMessage();
}

TVelmarind::~TVelmarind() {
  DestroyOwnedWindows();
}

void TVelmarind::BuildMainMenu() {
  MainMenu.Name = "MainMenu";
  MainMenu.Images = &ImageList;
  MainMenu.TrackButton = ui::TTrackButton::tbLeftButton;
  MainMenu.MenuAnimation = ui::TMenuAnimation::maBottomToTop;
  AddAll(MainMenu.Items, {&M_Quit, &M_About, &M_Settings, &N6, &M_Memo, &M_Hotkeys, &M_Run,
                          &M_Timer, &M_Clipboard});
  AddAll(M_Hotkeys, {&M_HotkeyEdit, &M_enable, &M_disable, &N5});
  AddAll(M_Run, {&M_Edit, &N1});
  AddAll(M_Timer, {&M_TimerEdit, &M_mainalarmmessages, &N2});
  AddAll(M_Clipboard, {&M_Clipboard1, &M_Clipboard2, &M_Clipboard3, &N3, &M_S1, &M_S2, &M_S3, &N4,
                       &M_AddToMemo, &M_MainOpenInBrowser});
  M_Clipboard1.Tag = 0;
  M_Clipboard2.Tag = 1;
  M_Clipboard3.Tag = 2;

  M_Quit.OnClick = [this](ui::TObject*) { Close(); };
  M_About.OnClick = [](ui::TObject*) {
    if (F_About) F_About->Show();
  };
  M_Settings.OnClick = [](ui::TObject*) { Toggle(F_Settings); };
  M_Memo.OnClick = [](ui::TObject*) { Toggle(F_Memo); };
  M_HotkeyEdit.OnClick = [](ui::TObject*) {
    if (F_HotkeyHandler) F_HotkeyHandler->Show();
  };
  M_enable.OnClick = [](ui::TObject*) {
    if (F_HotkeyHandler) F_HotkeyHandler->HotkeyHandler.EnableAllHotkeys();
  };
  M_disable.OnClick = [](ui::TObject*) {
    if (F_HotkeyHandler) F_HotkeyHandler->HotkeyHandler.DisableAllHotkeys();
  };
  M_Edit.OnClick = [](ui::TObject*) {
    if (F_TaskHandler && !F_TaskHandler->Visible()) F_TaskHandler->Show();
  };
  M_TimerEdit.OnClick = [](ui::TObject*) {
    if (F_AlarmHandler && !F_AlarmHandler->Visible()) F_AlarmHandler->Show();
  };
  M_mainalarmmessages.OnClick = [](ui::TObject*) { Toggle(F_ShowMessage); };
  M_Clipboard1.OnClick = [this](ui::TObject*) { SwapClipboardSlot(0); };
  M_Clipboard2.OnClick = [this](ui::TObject*) { SwapClipboardSlot(1); };
  M_Clipboard3.OnClick = [this](ui::TObject*) { SwapClipboardSlot(2); };
  M_AddToMemo.OnClick = ui::Handler(this, &TVelmarind::M_AddToMemoClick);
  M_MainOpenInBrowser.OnClick = ui::Handler(this, &TVelmarind::M_MainOpenInBrowserClick);
  M_S1.OnClick = [this](ui::TObject*) { RunWebCommand(kWebCommand1OnClipboard); };
  M_S2.OnClick = [this](ui::TObject*) { RunWebCommand(kWebCommand2OnClipboard); };
  M_S3.OnClick = [this](ui::TObject*) { RunWebCommand(kWebCommand3OnClipboard); };
}

void TVelmarind::BuildSecondMenu() {
  SecondMenu.Name = "SecondMenu";
  SecondMenu.Images = &ImageList;
  AddAll(SecondMenu.Items, {&M_alarmmessages, &M_newalarm, &M_addclipboard, &M_special1,
                            &M_special2, &M_special3, &M_openinbrowser});
  M_alarmmessages.Visible = false;
  M_alarmmessages.OnClick = [this](ui::TObject*) { M_mainalarmmessages.Click(); };
  M_newalarm.OnClick = ui::Handler(this, &TVelmarind::M_newalarmClick);
  M_addclipboard.OnClick = [this](ui::TObject*) { M_AddToMemo.Click(); };
  M_openinbrowser.OnClick = [this](ui::TObject*) { M_MainOpenInBrowser.Click(); };
  M_special1.OnClick = [this](ui::TObject*) { RunWebCommand(kWebCommand1OnClipboard); };
  M_special2.OnClick = [this](ui::TObject*) { RunWebCommand(kWebCommand2OnClipboard); };
  M_special3.OnClick = [this](ui::TObject*) { RunWebCommand(kWebCommand3OnClipboard); };
}

void TVelmarind::Dispatch(ui::TMessage& message) {
  switch (message.Msg) {
    case ui::WM_ENDSESSION:
      OnEndSession(message);
      break;
    case ui::WM_COMMAND:
      OnRemoteCommand(message);
      break;
    case ui::WM_HOTKEY:
      OnHotkey(message);
      break;
    default:
      ui::TForm::Dispatch(message);
  }
}

void TVelmarind::OnRemoteCommand(ui::TMessage& message) {
  switch (message.LParam) {
    case kOpenInBrowserCommand:
      M_MainOpenInBrowser.Click();
      break;
    case kWebCommand1Command:
      RunWebCommand(kWebCommand1OnClipboard);
      break;
    case kWebCommand2Command:
      RunWebCommand(kWebCommand2OnClipboard);
      break;
    case kWebCommand3Command:
      RunWebCommand(kWebCommand3OnClipboard);
      break;
    case kAddToMemoCommand:
      M_AddToMemo.Click();
      break;
    case kRunTaskCommand:
      if (F_TaskHandler)
        F_TaskHandler->TaskHandler.ExecuteTaskAt(static_cast<long long>(message.WParam));
      break;
    default:
      break;
  }
}

void TVelmarind::OnHotkey(ui::TMessage& message) {
  if (QuitConfirmed) return;
  if (message.WParam == static_cast<std::uintptr_t>(MemoHotkeyId))
    M_Memo.Click();
  else if (F_HotkeyHandler)
    F_HotkeyHandler->ExecuteHotkey(static_cast<int>(message.WParam));
}

void TVelmarind::OnEndSession(ui::TMessage&) {
  SaveSessionState();
}

void TVelmarind::SaveSessionState() {
  SaveUnsavedLists();
  if (!F_Memo) return;
  if (F_Memo->Modified == 1) {
    F_Memo->CloseSave();  // writes memo.txt, clearing the flag only once it is written
    if (F_Settings) F_Settings->Settings.SaveSettings();
  }
  F_Memo->SaveCaretLine();
}

void TVelmarind::SetTrayAnimation(bool on) {
  TrayIcon.SetAnimate(on);
}

void TVelmarind::TrayIconMouseUp(ui::TObject*, ui::TMouseButton button, ui::TShiftState, int x,
                                 int y) {
  SetTrayAnimation(false);
  if (F_ShowMessage) F_ShowMessage->StopAlarmSound();
  ui::TPopupMenu* menu = nullptr;
  if (button == ui::TMouseButton::mbLeft)
    menu = &MainMenu;
  else if (button == ui::TMouseButton::mbRight && F_Settings &&
           F_Settings->Settings.AnyTrayExtra == 1)
    menu = &SecondMenu;
  if (!menu) return;
  SetForeground();
  menu->Popup(x, y, Handle());
  PostMessage(ui::WM_NULL, 0, 0);
}

void TVelmarind::M_newalarmClick(ui::TObject*) {
  if (!F_Alarm) return;
  F_Alarm->ResetForNewAlarm();
  if (!F_Alarm->Visible()) F_Alarm->ShowModal();
}

void TVelmarind::ApplyTrayMenuOptions(const CSettings& s) {
  M_alarmmessages.Visible = s.ShowAlarmMessages == 1;
  M_newalarm.Visible = s.ShowNewAlarm == 1;
  M_addclipboard.Visible = s.ShowAddMemo == 1;
  M_special1.Visible = s.ShowWebCommand1 == 1;
  M_special2.Visible = s.ShowWebCommand2 == 1;
  M_special3.Visible = s.ShowWebCommand3 == 1;
  M_openinbrowser.Visible = s.ShowOpenBrowser == 1;
  M_special1.Caption = M_S1.Caption = s.WebCommandName1;
  M_special2.Caption = M_S2.Caption = s.WebCommandName2;
  M_special3.Caption = M_S3.Caption = s.WebCommandName3;
}

std::string TVelmarind::GetClipboardText() {
  return os::clipboard::GetText();
}

bool TVelmarind::SetClipboardText(const std::string& text) {
  return os::clipboard::SetText(text);
}

void TVelmarind::FormClose(ui::TObject*, ui::TCloseAction& action) {
  if (F_Memo && F_Memo->Visible()) F_Memo->Close();
  if (F_ShowMessage && F_ShowMessage->Visible()) F_ShowMessage->Close();
  const int active = F_AlarmHandler ? F_AlarmHandler->AlarmHandler.ActiveAlarmCount() : 0;
  if (active > 0 &&
      !ui::ConfirmYesNo("You have " + std::to_string(active) + " active alarms, quit anyway?")) {
    action = ui::TCloseAction::caNone;
    return;
  }
  QuitConfirmed = true;
  SaveUnsavedLists();
  os::hotkeys::Unregister(Handle(), MemoHotkeyId);
  if (F_HotkeyHandler) F_HotkeyHandler->UnregisterAllHotkeys();
  if (F_Settings) F_Settings->Settings.SaveSettings();
  // Saved and hidden now, destroyed once the message loop has returned: a
  // nested loop may still return into one of their handlers.
  if (F_Memo) {
    if (F_Memo->Modified == 1) F_Memo->WriteMemoFile();
    F_Memo->Hide();
  }
  if (F_ShowMessage) F_ShowMessage->Hide();
  action = ui::TCloseAction::caFree;
}

void TVelmarind::ShowNoticeLater(const std::string& text, unsigned icon) {
  notices_.push_back({text, icon});
  T_Notices.SetEnabled(true);
}

void TVelmarind::T_NoticesTimer(ui::TObject*) {
  T_Notices.SetEnabled(false);
  for (const Notice& notice : std::exchange(notices_, {}))
    ui::MessageBox(notice.text, "Information", ui::MB_OK | notice.icon);
}

ui::TMenuItem* AddRecordMenuItem(ui::TMenuItem TVelmarind::*submenu, const std::string& name,
                                 ui::TNotifyEvent onClick) {
  if (!Velmarind) return nullptr;
  ui::TMenuItem* item = (Velmarind->*submenu).AddNew(name);
  item->Verbatim = true;
  item->OnClick = std::move(onClick);
  return item;
}

void TVelmarind::DestroyOwnedWindows() {
  delete F_Memo;
  F_Memo = nullptr;
  delete F_ShowMessage;
  F_ShowMessage = nullptr;
}
