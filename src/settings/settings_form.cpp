#include "settings/settings_form.h"

#include "app/main_form.h"
#include "app/placement.h"
#include "hotkeys/key_table.h"
#include "os/os.h"
#include "ui/dialogs.h"

TF_Settings* F_Settings = nullptr;

namespace {

std::string KeyName(int index) {
  const auto& names = hotkeys::KeyNames();
  return index >= 1 && index <= static_cast<int>(names.size()) ? names[index - 1] : "NONE";
}

}  // namespace

TF_Settings::TF_Settings()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Settings",
                                .Caption = "Settings - Velmarind",
                                .ClientWidth = 283,
                                .ClientHeight = 325,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .MinimizeBox = false,
                                .MaximizeBox = false}) {}

bool TF_Settings::WireEvents() {
  Name = "F_Settings";
  OnShow = [this](ui::TObject* sender) { FormShow(sender); };
  OnClose = [this](ui::TObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
  return true;
}

void TF_Settings::SettingsToControls() {
  const CSettings& s = Settings;
  if (s.ShowAlarmMessages || s.ShowNewAlarm || s.ShowAddMemo || s.ShowWebCommand1 ||
      s.ShowWebCommand2 || s.ShowWebCommand3 || s.ShowOpenBrowser)
    Settings.AnyTrayExtra = 1;
  if (Velmarind) Velmarind->ApplyTrayMenuOptions(Settings);
}

void TF_Settings::ShowSettingsModal() {
  SettingsToControls();
  ShowModal();
}

void TF_Settings::FormShow(ui::TObject*) {
  app::PlaceFromBottomRight(*this, 32);
}

void TF_Settings::FormClose(ui::TObject*, ui::TCloseAction&) {
  SettingsToControls();
  Settings.SaveSettings();
}

int TF_Settings::KeyIndexToVirtualKey(int index) {
  if (index >= 1 && index <= 10) return index + 47;
  if (index >= 11 && index <= 36) return index + 54;
  if (index >= 37 && index <= 46) return index + 59;
  if (index >= 47 && index <= 62) return index + 61;
  return -1;
}

int TF_Settings::SetMemoHotkey(bool showMessage) {
  const os::WindowHandle window = Velmarind ? Velmarind->Handle() : 0;
  if (Settings.MemoHotkeyMod == "NONE" || Settings.MemoHotkeyKey == 0) {
    os::hotkeys::Unregister(window, MemoHotkeyId);
    Settings.MemoHotkeyMod = "NONE";
    Settings.MemoHotkeyKey = 0;
    return 1;
  }
  const int key = KeyIndexToVirtualKey(Settings.MemoHotkeyKey);
  const unsigned modifiers = hotkeys::ModifierFlags(Settings.MemoHotkeyMod);
  if (!os::hotkeys::Register(window, MemoHotkeyId, modifiers, key)) return 0;
  if (showMessage)
    ui::MessageBox("Hotkey: " + Settings.MemoHotkeyMod + " + " + KeyName(Settings.MemoHotkeyKey) +
                       " set to show the Memo.",
                   "Information", ui::MB_ICONINFORMATION);
  return 1;
}
