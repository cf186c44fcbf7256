// The hotkey dispatcher: what a pressed hotkey runs, and the extra functions
// that live in the hotkey list window.
#include <algorithm>

#include "alarms/alarm_handler_form.h"
#include "hotkeys/extra_functions.h"
#include "hotkeys/hotkey_handler_form.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "settings/show_message.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

namespace {

constexpr char kWinampClass[] = "Winamp v1.x";
// How long a command waits for the player to handle it.
constexpr unsigned kWinampTimeoutMs = 3000;
constexpr float kVolumeStep = 0.1f;

void PlayConfirmationSound() {
  using namespace os::sound;
  const CSettings* settings = SettingsRecord();
  if (settings && !settings->ConfirmSound.empty())
    PlayWave(settings->ConfirmSound, kSndFileName | kSndNoWait | kSndAsync);
}

}  // namespace

void TF_HotkeyHandler::ExecuteHotkey(int id) {
  const int index = HotkeyHandler.FindHotkeyById(id);
  if (index < 0 || HotkeyHandler.Hotkeys[index].Enabled == 0) return;
  // Copies: what runs may show dialogs, whose loops may change the list.
  const int function = HotkeyHandler.Hotkeys[index].Function;
  const std::string param = HotkeyHandler.Hotkeys[index].Param;
  if (RunHotkeyFunction(function, param)) PlayConfirmationSound();
}

bool TF_HotkeyHandler::RunHotkeyFunction(int function, const std::string& param) {
  switch (function) {
    case kExecuteTask:
      // The task engine reports its own failures; the sound plays whatever it says.
      if (F_TaskHandler) F_TaskHandler->TaskHandler.ExecuteTask(param);
      return true;
    case kActivateAlarm:
      return ActivateAlarm(param);
    case kExtraFunction:
      if (const ExtraFunction* extra = FindExtraFunction(param)) {
        extra->run(*this);
        return extra->confirmationSound;
      }
      return true;
    default:
      return false;
  }
}

bool TF_HotkeyHandler::ActivateAlarm(const std::string& name) {
  if (!F_AlarmHandler) return false;
  CAlarmHandler& alarms = F_AlarmHandler->AlarmHandler;
  if (alarms.ActivateAlarm(name) != 1) return false;
  alarms.CommitChange(common::SaveReport::EveryFailure);  // a key press is the user's own
  return true;
}

void TF_HotkeyHandler::ToggleStopwatch() {
  const std::int64_t now = os::clock::Read().MonotonicMs;
  if (!StopwatchRunning) {
    StopwatchStart = now;
    StopwatchRunning = true;
    return;
  }
  StopwatchRunning = false;
  if (!F_ShowMessage) return;
  F_ShowMessage->AddStopwatchMessage(static_cast<float>((now - StopwatchStart) * 0.001));
  const CSettings* settings = SettingsRecord();
  if (settings && settings->NoMessages == 0) F_ShowMessage->Show();
}

void TF_HotkeyHandler::RaiseVolume() {
  ChangeVolume(kVolumeStep);
}

void TF_HotkeyHandler::LowerVolume() {
  ChangeVolume(-kVolumeStep);
}

// The level is read from the left channel only; a volume that cannot be read
// changes nothing.
void TF_HotkeyHandler::ChangeVolume(float step) {
  const int devices = os::sound::WaveOutDeviceCount();
  const std::optional<std::uint32_t> volume = os::sound::WaveOutVolume();
  if (!volume) return;
  const float level = static_cast<float>((*volume & 0xFFFF) / 65535.0);
  const auto changed = static_cast<std::uint32_t>(std::clamp(level + step, 0.0f, 1.0f) * 65535);
  if (devices >= 1) os::sound::SetWaveOutVolume(changed | changed << 16);
}

void TF_HotkeyHandler::SendWinampCommand(int command) {
  const os::WindowHandle player = os::windows::FindByClass(kWinampClass);
  if (player)
    os::windows::SendWithTimeout(player, ui::WM_COMMAND, static_cast<std::uintptr_t>(command), 0,
                                 kWinampTimeoutMs);
}
