#include "settings/settings_form.h"

#include <algorithm>
#include <climits>

#include "app/main_form.h"
#include "common/data_file.h"
#include "common/key_table.h"
#include "common/placement.h"
#include "memo/memo_form.h"
#include "os/os.h"
#include "ui/dialogs.h"

TF_Settings* F_Settings = nullptr;

CSettings* SettingsRecord() {
  return F_Settings ? &F_Settings->Settings : nullptr;
}

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kAutostartName[] = "Velmarind";
constexpr char kMissingFile[] = "That file does not exist";
const std::vector<std::string> kModifiers = {"NONE", "WIN", "ALT", "SHIFT", "CTRL"};

std::string KeyName(int index) {
  const auto& names = common::KeyNames();
  return index >= 1 && index <= static_cast<int>(names.size()) ? names[index - 1] : "NONE";
}

os::registry::Root RootOf(bool localMachine) {
  return localMachine ? os::registry::Root::LocalMachine : os::registry::Root::CurrentUser;
}

// A digits-only box's number; an empty box counts as 0. Its text was checked
// before closing goes on.
int NumberOf(const ui::TEdit& edit) {
  return edit.Text().empty() ? 0 : common::ParseInt(edit.Text()).value_or(0);
}

// A number box that must not stay empty: `fallback` goes into an empty box.
int NumberOr(ui::TEdit& edit, int fallback) {
  if (edit.Text().empty()) edit.SetText(std::to_string(fallback));
  return NumberOf(edit);
}

// At least `minimum`; a smaller number is replaced in the box as well.
int AtLeast(ui::TEdit& edit, int number, int minimum) {
  if (number >= minimum) return number;
  edit.SetText(std::to_string(minimum));
  return minimum;
}

}  // namespace

void TF_Settings::SettingsToControls() {
  const CSettings s = Settings;  // box clicks below may change the record
  TextsToControls(s);
  SelectMemoHotkey(s);
  CB_lastknown.SetChecked(s.UseLastKnown == 1);
  EnableGeometryBoxes();
  TB_transvalue.SetPosition(s.MemoTransparency);  // before CB_trans, whose click stores it
  for (const auto& [box, flag] : FlagBoxes()) box->SetChecked(s.*flag == 1);
  if (AnyMenuBoxTicked()) Settings.AnyTrayExtra = 1;
  ApplyTrayMenuOptions();
}

void TF_Settings::TextsToControls(const CSettings& s) {
  LE_Sound.SetText(s.SoundFile);
  LE_Delay.SetText(std::to_string(s.SignalDelay / 1000));
  LE_Repeat.SetText(std::to_string(s.SignalRepeat));
  LE_Browser.SetText(s.Browser);
  MemoGeometryToControls();
  LE_divisor.SetText(s.MemoSeparator);
  E_resx.SetText(s.ResolutionX);
  E_resy.SetText(s.ResolutionY);
  CB_pos.SetItemIndex(s.MessagePosition);
  LE_autoclose.SetText(std::to_string(s.AutoCloseSeconds));
  LE_conf_sound.SetText(s.ConfirmSound);
  E_f2_name.SetText(s.WebCommandName1);
  E_f2.SetText(s.WebCommandUrl1);
  E_f3_name.SetText(s.WebCommandName2);
  E_f3.SetText(s.WebCommandUrl2);
  E_f4_name.SetText(s.WebCommandName3);
  E_f4.SetText(s.WebCommandUrl3);
  B_load.SetEnabled(languagesReady_ && !s.FirstRun);
  E_filter1.SetText(s.Filter1);
  E_filter2.SetText(s.Filter2);
  E_filter3.SetText(s.Filter3);
}

void TF_Settings::SelectMemoHotkey(const CSettings& s) {
  const auto modifier = std::find(kModifiers.begin(), kModifiers.end(), s.MemoHotkeyMod);
  if (modifier != kModifiers.end())
    LB_mod.SetItemIndex(static_cast<int>(modifier - kModifiers.begin()));
  const bool known = s.MemoHotkeyKey >= 0 && s.MemoHotkeyKey < LB_button.Count();
  LB_button.SetItemIndex(known ? s.MemoHotkeyKey : 0);
  if (s.MemoHotkeyKey == 0) LB_mod.SetItemIndex(0);
}

void TF_Settings::MemoGeometryToControls() {
  E_x.SetText(std::to_string(Settings.MemoLeft));
  E_y.SetText(std::to_string(Settings.MemoTop));
  E_sizex.SetText(std::to_string(Settings.MemoWidth));
  E_sizey.SetText(std::to_string(Settings.MemoHeight));
}

std::vector<std::pair<ui::TCheckBox*, int CSettings::*>> TF_Settings::FlagBoxes() {
  return {{&CB_lastknown, &CSettings::UseLastKnown},
          {&CB_saveurls, &CSettings::SaveUrls},
          {&CB_trans, &CSettings::MemoTransparent},
          {&CB_alarmmessages, &CSettings::ShowAlarmMessages},
          {&CB_add_alarm, &CSettings::ShowNewAlarm},
          {&CB_add_memo, &CSettings::ShowAddMemo},
          {&CB_special1, &CSettings::ShowWebCommand1},
          {&CB_special2, &CSettings::ShowWebCommand2},
          {&CB_special3, &CSettings::ShowWebCommand3},
          {&CB_open_browser, &CSettings::ShowOpenBrowser},
          {&CB_movemouse, &CSettings::StopOnMouseMove},
          {&CB_no_message, &CSettings::NoMessages},
          {&CB_no_sounds, &CSettings::NoSounds},
          {&CB_no_execute, &CSettings::NoExecute},
          {&CB_res_messages, &CSettings::ResOnlyMessages},
          {&CB_res_tasks, &CSettings::ResOnlyTasks},
          {&CB_res_sounds, &CSettings::ResOnlySounds},
          {&CB_aaNew, &CSettings::AutoActivateNew},
          {&CB_aaEdit, &CSettings::AutoActivateEdited},
          {&CB_filter1, &CSettings::FilterOnAdd1},
          {&CB_filter2, &CSettings::FilterOnAdd2},
          {&CB_filter3, &CSettings::FilterOnAdd3}};
}

std::vector<ui::TCheckBox*> TF_Settings::MenuBoxes() {
  return {&CB_alarmmessages, &CB_add_alarm, &CB_add_memo,    &CB_special1,
          &CB_special2,      &CB_special3,  &CB_open_browser};
}

bool TF_Settings::AnyMenuBoxTicked() {
  const auto boxes = MenuBoxes();
  return std::any_of(boxes.begin(), boxes.end(), [](ui::TCheckBox* box) { return box->Checked(); });
}

void TF_Settings::EnableGeometryBoxes() {
  for (ui::TEdit* edit : {&E_x, &E_y, &E_sizex, &E_sizey})
    edit->SetEnabled(!CB_lastknown.Checked());
}

// The record's menu flags equal the boxes whenever this runs.
void TF_Settings::ApplyTrayMenuOptions() {
  if (Velmarind) Velmarind->ApplyTrayMenuOptions(Settings);
}

void TF_Settings::ShowSettingsModal() {
  SettingsToControls();
  ShowModal();
}

void TF_Settings::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 32);
  MemoGeometryToControls();
  FillLanguageList();
}

void TF_Settings::FormClose(ui::TObject*, ui::TCloseAction& action) {
  if (!StoreControls()) {
    action = ui::TCloseAction::caNone;
    return;
  }
  if (!Settings.SaveSettings()) ui::ReportSaveFailure(Settings.ProgramDir + Settings.FileName);
}

// Every check comes first: a refused close leaves the record as it was, so
// a later quit or log-off saves nothing the user did not confirm.
bool TF_Settings::StoreControls() {
  if (!NumbersAreValid()) return false;
  const auto confirmSound = SoundFileToStore(LE_conf_sound, kExtra2Page);
  if (!confirmSound) return false;
  const auto soundFile = SoundFileToStore(LE_Sound, kMainPage);
  if (!soundFile) return false;
  Settings.ResetFlags();
  ApplyResolutionBoxes();
  Settings.ConfirmSound = *confirmSound;
  Settings.SoundFile = *soundFile;
  LE_Sound.SetText(*soundFile);
  StoreNumbers();
  for (const auto& [box, flag] : FlagBoxes()) Settings.*flag = box->Checked() ? 1 : 0;
  Settings.MemoTransparency = TB_transvalue.Position();
  Settings.AnyTrayExtra = AnyMenuBoxTicked() ? 1 : 0;
  StoreTexts();
  ApplyTrayMenuOptions();
  return true;
}

// Digits-only boxes can still receive pasted text: such text is refused
// before anything is stored.
bool TF_Settings::NumbersAreValid() {
  struct NumberBox {
    ui::TEdit* edit;
    const char* name;
    int page;
  };
  const NumberBox boxes[] = {{&LE_Delay, "Delay between alarm signal", kMainPage},
                             {&LE_Repeat, "Repeat alarm signal", kMainPage},
                             {&E_x, "Horizontal Position", kMemoPage},
                             {&E_y, "Vertical Position", kMemoPage},
                             {&E_sizex, "Horizontal Size", kMemoPage},
                             {&E_sizey, "Vertical Size", kMemoPage},
                             {&E_resx, "Resolution width", kExtra1Page},
                             {&E_resy, "Resolution height", kExtra1Page},
                             {&LE_autoclose, "Autoclose Message Window", kExtra2Page}};
  for (const NumberBox& box : boxes) {
    const std::string text = box.edit->Text();
    if (text.empty() || common::ParseInt(text)) continue;
    if (!box.edit->Enabled()) {  // unused geometry: the memo window gives it
      box.edit->SetText("");
      continue;
    }
    ShowFieldError(*box.edit, box.page,
                   std::string("\"") + box.name + "\" must be a whole number.");
    return false;
  }
  return true;
}

// Both boxes set and each at least 11, or the box is emptied.
void TF_Settings::ApplyResolutionBoxes() {
  if (E_resx.Text().empty())
    E_resy.SetText("");
  else
    E_resx.SetText(std::to_string(NumberOf(E_resx)));
  if (E_resy.Text().empty())
    E_resx.SetText("");
  else
    E_resy.SetText(std::to_string(NumberOf(E_resy)));
  if (NumberOf(E_resx) < 11) E_resx.SetText("");
  if (NumberOf(E_resy) < 11) E_resy.SetText("");
}

// An empty box clears the sound; a named file must exist. A bare alarm
// sound name found in the program folder becomes that full name, also when
// the current folder lacks it (the factory "sound.wav" after Default Settings).
std::optional<std::string> TF_Settings::SoundFileToStore(ui::TLabeledEdit& edit, int page) {
  const std::string name = edit.Text();
  if (name.empty()) return name;
  const bool bare = name.find('\\') == std::string::npos;
  const std::string full = Settings.ProgramDir + name;
  if (&edit == &LE_Sound && bare && os::files::Exists(full)) return full;
  if (os::files::Exists(name)) return name;
  ShowFieldError(edit, page, kMissingFile);
  return std::nullopt;
}

void TF_Settings::StoreNumbers() {
  const int delaySeconds = std::min(NumberOr(LE_Delay, 2), INT_MAX / 1000);
  Settings.SignalDelay = AtLeast(LE_Delay, delaySeconds, 1) * 1000;
  Settings.SignalRepeat = AtLeast(LE_Repeat, NumberOr(LE_Repeat, 3), 1);
  if (E_x.Text().empty() || E_y.Text().empty()) {
    E_x.SetText("16");
    E_y.SetText("16");
  }
  Settings.MemoLeft = NumberOf(E_x);
  Settings.MemoTop = NumberOf(E_y);
  Settings.MemoWidth = NumberOr(E_sizex, 360);
  Settings.MemoHeight = NumberOr(E_sizey, 320);
  Settings.AutoCloseSeconds = NumberOr(LE_autoclose, 0);
}

void TF_Settings::StoreTexts() {
  Settings.Browser = LE_Browser.Text();
  Settings.MemoSeparator = LE_divisor.Text();
  Settings.WebCommandName1 = E_f2_name.Text();
  Settings.WebCommandUrl1 = E_f2.Text();
  Settings.WebCommandName2 = E_f3_name.Text();
  Settings.WebCommandUrl2 = E_f3.Text();
  Settings.WebCommandName3 = E_f4_name.Text();
  Settings.WebCommandUrl3 = E_f4.Text();
  Settings.ResolutionX = E_resx.Text();
  Settings.ResolutionY = E_resy.Text();
  Settings.MessagePosition = std::max(CB_pos.ItemIndex(), 0);
  Settings.Filter1 = E_filter1.Text();
  Settings.Filter2 = E_filter2.Text();
  Settings.Filter3 = E_filter3.Text();
}

void TF_Settings::ShowFieldError(ui::TControl& field, int page, const std::string& message) {
  ui::ShowError(message);
  PC_settings.SetActivePageIndex(page);
  field.SetFocus();
}

void TF_Settings::B_PlayClick(ui::TObject*) {
  const std::string file = LE_Sound.Text();
  if (!os::files::Exists(file)) {
    ui::ShowError("File not found!");
    LE_Sound.SetFocus();
    return;
  }
  using namespace os::sound;
  if (!PlayWave(file, kSndFileName | kSndAsync | kSndNoWait))
    ui::ShowError("Failed to play that file!");
}

// The record takes the factory values now; settings.ini only when the dialog
// closes. The registered memo hotkey stays registered.
void TF_Settings::B_defaultClick(ui::TObject*) {
  Settings.SetDefaults();
  SettingsToControls();
}

void TF_Settings::B_getresClick(ui::TObject*) {
  const auto screen = os::display::ScreenSize();
  E_resx.SetText(screen ? std::to_string(screen->Width) : "");
  E_resy.SetText(screen ? std::to_string(screen->Height) : "");
  if (!screen) ui::ShowError("Could not figure out your current resolution.");
}

void TF_Settings::CB_lastknownClick(ui::TObject*) {
  EnableGeometryBoxes();
}

void TF_Settings::SetMemoAlpha(bool translucent) {
  if (F_Memo) F_Memo->SetAlphaBlend(translucent, TF_Memo::AlphaForLevel(TB_transvalue.Position()));
}

void TF_Settings::TB_transvalueChange(ui::TObject*) {
  if (CB_trans.Checked()) SetMemoAlpha(true);
}

void TF_Settings::CB_transClick(ui::TObject*) {
  SetMemoAlpha(CB_trans.Checked());
  Settings.MemoTransparent = CB_trans.Checked() ? 1 : 0;
  if (CB_trans.Checked()) Settings.MemoTransparency = TB_transvalue.Position();
}

// Only a file the user chose: a cancelled dialog still remembers the file
// chosen for the other field.
void TF_Settings::ChooseSound(ui::TLabeledEdit& edit) {
  if (OD_sound.Execute() && !OD_sound.FileName.empty()) edit.SetText(OD_sound.FileName);
}

void TF_Settings::LE_SoundSubLabelClick(ui::TObject*) {
  ChooseSound(LE_Sound);
}

void TF_Settings::LE_conf_soundSubLabelClick(ui::TObject*) {
  ChooseSound(LE_conf_sound);
}

int TF_Settings::AddToAutostart(const std::string& name, const std::string& path,
                                bool localMachine) {
  const os::registry::Key key = os::registry::Open(RootOf(localMachine), kRunKey);
  if (!key) return 0;
  const bool written = os::registry::SetString(key, name, path);
  os::registry::Close(key);
  return written ? 1 : 0;
}

int TF_Settings::RemoveFromAutostart(const std::string& name, bool localMachine) {
  const os::registry::Key key = os::registry::Open(RootOf(localMachine), kRunKey);
  if (!key) return 0;
  const bool deleted = os::registry::DeleteValue(key, name);
  os::registry::Close(key);
  return deleted ? 1 : 0;
}

void TF_Settings::B_addClick(ui::TObject*) {
  if (AddToAutostart(kAutostartName, os::files::ExecutablePath(), true))
    ui::MessageBox("Velmarind was added to autostart", "Information", ui::MB_ICONINFORMATION);
  else
    // An error under the information icon, like the other autostart answers.
    ui::MessageBox("Could not add Velmarind to autostart.", "Error", ui::MB_ICONINFORMATION);
}

void TF_Settings::B_removeClick(ui::TObject*) {
  if (RemoveFromAutostart(kAutostartName, true))
    ui::MessageBox("Velmarind was successfully removed from autostart", "Information",
                   ui::MB_ICONINFORMATION);
  else
    ui::MessageBox("Velmarind is not currently set to autostart", "Information",
                   ui::MB_ICONINFORMATION);
}

// The combination registered before is removed first: a second registration
// under the same id would leave the old one working too.
void TF_Settings::B_setClick(ui::TObject*) {
  os::hotkeys::Unregister(Velmarind ? Velmarind->Handle() : 0, MemoHotkeyId);
  Settings.MemoHotkeyMod = LB_mod.Text();
  Settings.MemoHotkeyKey = std::max(LB_button.ItemIndex(), 0);
  SetMemoHotkey(true);
}

// The memo's key list starts with "NONE", then the hotkeys' list.
int TF_Settings::KeyIndexToVirtualKey(int index) {
  return index >= 1 ? common::VirtualKeyAt(index - 1) : -1;
}

int TF_Settings::SetMemoHotkey(bool showMessage) {
  const os::WindowHandle window = Velmarind ? Velmarind->Handle() : 0;
  if (Settings.MemoHotkeyMod == "NONE" || Settings.MemoHotkeyKey == 0) {
    os::hotkeys::Unregister(window, MemoHotkeyId);
    (Settings.MemoHotkeyMod == "NONE" ? LB_button : LB_mod).SetItemIndex(0);
    Settings.MemoHotkeyMod = "NONE";
    Settings.MemoHotkeyKey = 0;
    return 1;
  }
  const int key = KeyIndexToVirtualKey(Settings.MemoHotkeyKey);
  const unsigned modifiers = common::ModifierFlags(Settings.MemoHotkeyMod);
  if (!os::hotkeys::Register(window, MemoHotkeyId, modifiers, key)) return 0;
  if (showMessage)
    ui::MessageBox("Hotkey: " + Settings.MemoHotkeyMod + " + " + KeyName(Settings.MemoHotkeyKey) +
                       " set to show the Memo.",
                   "Information", ui::MB_ICONINFORMATION);
  return 1;
}
