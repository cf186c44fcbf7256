#include "app/startup.h"

#include <exception>

#include "alarms/alarm_form.h"
#include "alarms/alarm_handler_form.h"
#include "app/main_form.h"
#include "hotkeys/hotkey_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "os/os.h"
#include "settings/about.h"
#include "settings/settings_form.h"
#include "settings/settings_record.h"
#include "tasks/task_form.h"
#include "tasks/task_handler_form.h"
#include "ui/application.h"
#include "ui/dialogs.h"

namespace app {
namespace {

// The start-up steps of the settings that need windows. A first run shows the
// settings dialog before anything else; otherwise the memo takes its saved
// caret line and place, a missing alarm sound opens the dialog, and the memo
// hotkey is registered.
void ApplyLoadedSettings() {
  if (!F_Settings) return;
  CSettings& settings = F_Settings->Settings;
  const std::string memoFile = settings.ProgramDir + "memo.txt";
  if (settings.FirstRun) {
    F_Settings->ShowSettingsModal();
    if (F_Memo) F_Memo->LoadFromFile(memoFile);
    return;
  }
  if (F_Memo && F_Memo->LoadFromFile(memoFile)) F_Memo->GoToLine(settings.MemoCaretLine);
  if (F_Memo) F_Memo->ApplySavedPosition();
  if (!settings.SoundFile.empty() && !os::files::Exists(settings.SoundFile))
    F_Settings->ShowSettingsModal();
  F_Settings->SetMemoHotkey(false);
}

// Two copies from one folder would each save over the other's data files.
bool ClaimProgramFolder() {
  if (os::instance::ClaimFolder(ProgramFolder())) return true;
  ui::MessageBox("Velmarind is already running from this folder.", "Information",
                 ui::MB_OK | ui::MB_ICONINFORMATION);
  return false;
}

}  // namespace

bool StartApplication() {
  if (!ClaimProgramFolder()) return false;
  ui::Application->HideFromTaskbar();
  ui::Application->Initialize();
  ui::Application->SetTitle("Velmarind");
  ui::Application->CreateForm(Velmarind);
  ui::Application->CreateForm(F_Settings);
  ApplyLoadedSettings();
  ui::Application->CreateForm(F_Task);
  ui::Application->CreateForm(F_TaskHandler);
  ui::Application->CreateForm(F_AlarmHandler);
  ui::Application->CreateForm(F_Alarm);
  ui::Application->CreateForm(F_About);
  ui::Application->CreateForm(F_HotkeyHandler);
  ui::Application->CreateForm(F_Hotkey);
  ui::Application->ShowMainForm = false;
  return true;
}

void RunApplication() {
  ui::Application->Run();
}

void FinishApplication() {
  if (Velmarind) Velmarind->DestroyOwnedWindows();
  ui::Application->DestroyForms();
}

int RunVelmarind() {
  ui::TApplication application;
  ui::Application = &application;
  try {
    if (StartApplication()) RunApplication();
  } catch (const std::exception& error) {
    ui::MessageBox(error.what(), "Velmarind", ui::MB_ICONERROR);
  } catch (...) {
    ui::MessageBox("", "Velmarind", ui::MB_ICONERROR);
  }
  FinishApplication();
  ui::Application = nullptr;
  return 0;
}

}  // namespace app
