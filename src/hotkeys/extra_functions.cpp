#include "hotkeys/extra_functions.h"

#include "app/main_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "os/os.h"
#include "settings/settings_record.h"

namespace {

// Runs an item of the main form's menus as the user's choice does, also
// while it is hidden, so the menus and the hotkeys share each action.
template <auto item>
void Click(TF_HotkeyHandler&) {
  if (Velmarind) (Velmarind->*item).Click();
}

// A command of the outside media player.
template <int command>
void Winamp(TF_HotkeyHandler& handler) {
  handler.SendWinampCommand(command);
}

// Without a file it plays nothing: not the system's default sound.
void PlayAlarmSignal(TF_HotkeyHandler&) {
  using namespace os::sound;
  const CSettings* settings = SettingsRecord();
  if (settings && !settings->SoundFile.empty())
    PlayWave(settings->SoundFile, kSndFileName | kSndNoWait | kSndAsync);
}

constexpr ExtraFunction kExtraFunctions[] = {
    {"Stopwatch", true, [](TF_HotkeyHandler& handler) { handler.ToggleStopwatch(); }},
    {"Raise Volume", true, [](TF_HotkeyHandler& handler) { handler.RaiseVolume(); }},
    {"Lower Volume", true, [](TF_HotkeyHandler& handler) { handler.LowerVolume(); }},
    {"Add To Memo", true, Click<&TVelmarind::M_AddToMemo>},
    {"Play Alarm Signal", false, PlayAlarmSignal},
    {"Open In Browser", true, Click<&TVelmarind::M_openinbrowser>},
    {"Web Command 1", true, Click<&TVelmarind::M_special1>},
    {"Web Command 2", true, Click<&TVelmarind::M_special2>},
    {"Web Command 3", true, Click<&TVelmarind::M_special3>},
    {"Winamp (Play)", false, Winamp<40045>},
    {"Winamp (Pause)", false, Winamp<40046>},
    {"Winamp (Stop)", false, Winamp<40047>},
    {"Winamp (Next)", false, Winamp<40048>},
    {"Winamp (Previous)", false, Winamp<40044>},
    {"Show Settings", false, Click<&TVelmarind::M_Settings>},
    {"Show Alarm Messages", false, Click<&TVelmarind::M_alarmmessages>},
    {"Save Clipboard 1", true, Click<&TVelmarind::M_Clipboard1>},
    {"Save Clipboard 2", true, Click<&TVelmarind::M_Clipboard2>},
    {"Save Clipboard 3", true, Click<&TVelmarind::M_Clipboard3>},
    {"New Alarm", true, Click<&TVelmarind::M_newalarm>},
};

}  // namespace

std::span<const ExtraFunction> ExtraFunctions() {
  return kExtraFunctions;
}

const ExtraFunction* FindExtraFunction(const std::string& name) {
  for (const ExtraFunction& function : kExtraFunctions)
    if (name == function.name) return &function;
  return nullptr;
}
