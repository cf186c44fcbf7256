#include "app/startup.h"

#include <exception>

#include "alarms/alarm_form.h"
#include "alarms/alarm_handler_form.h"
#include "app/main_form.h"
#include "hotkeys/hotkey_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "settings/about.h"
#include "settings/settings_form.h"
#include "tasks/task_form.h"
#include "tasks/task_handler_form.h"
#include "ui/application.h"
#include "ui/dialogs.h"

namespace app {

void StartApplication() {
  ui::Application->HideFromTaskbar();
  ui::Application->Initialize();
  ui::Application->SetTitle("Velmarind");
  ui::Application->CreateForm(Velmarind);
  ui::Application->CreateForm(F_Settings);
  ui::Application->CreateForm(F_Task);
  ui::Application->CreateForm(F_TaskHandler);
  ui::Application->CreateForm(F_AlarmHandler);
  ui::Application->CreateForm(F_Alarm);
  ui::Application->CreateForm(F_About);
  ui::Application->CreateForm(F_HotkeyHandler);
  ui::Application->CreateForm(F_Hotkey);
  ui::Application->ShowMainForm = false;
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
    StartApplication();
    RunApplication();
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
