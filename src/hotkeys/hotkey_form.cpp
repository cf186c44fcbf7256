#include "hotkeys/hotkey_form.h"

#include <algorithm>

#include "alarms/alarm_handler_form.h"
#include "common/data_file.h"
#include "common/key_table.h"
#include "common/placement.h"
#include "hotkeys/extra_functions.h"
#include "hotkeys/hotkey_handler_form.h"
#include "settings/settings_form.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

TF_Hotkey* F_Hotkey = nullptr;

namespace {

constexpr std::uint32_t kNavy = 0x000080;
constexpr ui::TAnchors kTopLeft = ui::akLeft | ui::akTop;
constexpr int kKeyA = 10;
const std::vector<std::string> kModifiers = {"WIN", "ALT", "SHIFT", "CTRL"};
const std::vector<std::string> kFunctions = {"Execute Task", "Activate Alarm", "Extra Functions"};

bool Refuse(const std::string& message, ui::TControl* focus) {
  ui::ShowError(message);
  if (focus) focus->SetFocus();
  return false;
}

}  // namespace

TF_Hotkey::TF_Hotkey()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Hotkey",
                                .Caption = "New Hotkey",
                                .ClientWidth = 236,
                                .ClientHeight = 324,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      LE_name(*this, "Name", {{8, 24, 225, 21}, kTopLeft, 2}, 255),
      L_hotkey(*this, "Hotkey", {{8, 56, 60, 13}}),
      CB_mod(*this, {{8, 72, 57, 21}, kTopLeft, 5}, kModifiers),
      L_plus(*this, "+", {{65, 70, 18, 20}}),
      CB_key(*this, {{84, 72, 149, 21}, kTopLeft, 6}, common::KeyNames()),
      L_hotkeyfunction(*this, "Function", {{8, 96, 225, 13}}),
      CB_function(*this, {{8, 112, 225, 21}, kTopLeft, 3}, kFunctions),
      L_function(*this, "", {{8, 144, 225, 13}}),
      LB_functions(*this, {{8, 160, 225, 81}, kTopLeft, 4}),
      LE_extra(*this, "Extra parameter", {{8, 264, 225, 21}, kTopLeft, 7}, 255),
      B_ok(*this, "&Ok", {{105, 296, 65, 25}, kTopLeft, 0}),
      B_cancel(*this, "&Cancel", {{176, 296, 57, 25}, kTopLeft, 1}) {
  Name = "F_Hotkey";
  // The names the translation files use.
  NameComponents({{&B_cancel, "B_cancel"},
                  {&B_ok, "B_ok"},
                  {&LE_extra, "LE_extra"},
                  {&LE_name, "LE_name"},
                  {&L_hotkey, "L_hotkey"},
                  {&L_hotkeyfunction, "L_hotkeyfunction"}});
  L_plus.SetTextStyle(ui::TTextStyle{.Color = kNavy, .Bold = true});
  L_plus.SetFont(ui::TFont{.Height = 12, .InPoints = true});
  B_ok.SetFont(ui::TFont{.Height = 10, .InPoints = true});
  CB_mod.SetItemIndex(0);
  CB_key.SetItemIndex(kKeyA);
  CB_function.SetItemIndex(0);
  CancelButton = &B_cancel;
  OnShow = ui::Handler(this, &TF_Hotkey::FormShow);
  LE_name.OnChange = ui::Handler(this, &TF_Hotkey::LE_nameChange);
  CB_function.OnChange = ui::Handler(this, &TF_Hotkey::CB_functionChange);
  B_ok.OnClick = ui::Handler(this, &TF_Hotkey::B_okClick);
  B_cancel.OnClick = ui::Handler(this, &TF_Hotkey::B_cancelClick);
  if (F_Settings) F_Settings->ApplyStartupLanguage();
}

void TF_Hotkey::ResetForNewHotkey() {
  LE_name.SetText("");
  LE_extra.SetText("");
  B_ok.SetEnabled(false);
  CB_mod.SetItemIndex(0);
  CB_key.SetItemIndex(kKeyA);
  CB_function.SetItemIndex(0);
  SetCaption("New Hotkey");
  EditMode = 0;
  FillFunctionList();
}

void TF_Hotkey::LoadHotkey(const CHotkey& hotkey) {
  LE_name.SetText(hotkey.Name);
  const auto modifier = std::find(kModifiers.begin(), kModifiers.end(), hotkey.Modifier);
  CB_mod.SetItemIndex(
      modifier == kModifiers.end() ? 0 : static_cast<int>(modifier - kModifiers.begin()));
  CB_key.SetItemIndex(hotkey.Key > 0 && hotkey.Key < CB_key.Count() ? hotkey.Key : 0);
  CB_function.SetItemIndex(hotkey.Function);
  FillFunctionList();
  SelectFunction(hotkey.Param);
  LE_extra.SetText(hotkey.Extra);
  EditId = hotkey.Id;
  EditMode = 1;
  SetCaption("Edit Hotkey");
}

void TF_Hotkey::FillFunctionList() {
  std::vector<std::string> names;
  switch (CB_function.ItemIndex()) {
    case kExecuteTask:
      L_function.SetCaption("Task Name");
      if (F_TaskHandler) names = common::NamesOf(F_TaskHandler->TaskHandler.Tasks);
      break;
    case kActivateAlarm:
      L_function.SetCaption("Alarm Name");
      if (F_AlarmHandler) names = common::NamesOf(F_AlarmHandler->AlarmHandler.Alarms);
      break;
    case kExtraFunction:
      L_function.SetCaption("Extra Functions");
      for (const ExtraFunction& function : ExtraFunctions()) names.push_back(function.name);
      break;
  }
  LB_functions.SetItems(names);
}

void TF_Hotkey::SelectFunction(const std::string& text) {
  const std::vector<std::string> items = LB_functions.Items();
  const auto found = std::find(items.begin(), items.end(), text);
  if (found != items.end()) LB_functions.SetItemIndex(static_cast<int>(found - items.begin()));
}

void TF_Hotkey::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 48);
  LE_name.SetFocus();
}

void TF_Hotkey::LE_nameChange(ui::TObject*) {
  B_ok.SetEnabled(!LE_name.Text().empty());
}

void TF_Hotkey::CB_functionChange(ui::TObject*) {
  FillFunctionList();
}

// A new or edited hotkey is always disabled: the user enables it. The
// edited hotkey is found again by its id, since the list may have changed
// while the editor was open.
bool TF_Hotkey::StoreHotkey() {
  CHotkeyHandler& hotkeys = F_HotkeyHandler->HotkeyHandler;
  const std::string name = common::AsOneLine(LE_name.Text());
  if (hotkeys.IsHotkeyNameFree(name, EditMode == 1 ? EditId : 0) == 0)
    return Refuse("A Hotkey by that name already exists.", &LE_name);
  if (LB_functions.ItemIndex() < 0) return Refuse("Select a function for this Hotkey", nullptr);
  if (EditMode != 1) {
    CHotkey added;
    added.Id = hotkeys.NewHotkeyId();
    if (added.Id == 0)
      return Refuse("No more hotkeys can be created: all 9000 ids are in use.", nullptr);
    ControlsToHotkey(added, name);
    hotkeys.AddHotkey(added, true);
  } else {
    const int index = hotkeys.FindHotkeyById(EditId);
    if (index < 0) {
      ui::ShowError("The hotkey being edited no longer exists");
      return true;  // nothing is left to change: the editor closes
    }
    hotkeys.DisableHotkeyAt(index);  // enabled meanwhile (tray, Enable All): unregistered first
    CHotkey& hotkey = hotkeys.Hotkeys[index];
    const common::ListEntry listed = hotkeys.EntryOf(hotkey);
    ControlsToHotkey(hotkey, name);
    if (hotkey.MenuItem) hotkey.MenuItem->Caption = name;
    hotkeys.MoveEntry(listed, hotkeys.EntryOf(hotkey));
    F_HotkeyHandler->UpdateHotkeyLists();
  }
  F_HotkeyHandler->UpdateHotkeyButtons();
  hotkeys.SaveHotkeyList(common::SaveReport::EveryFailure);
  return true;
}

// The texts are stored as hotkeylist.ini will hold them, so that the list
// sorts as it is written.
void TF_Hotkey::ControlsToHotkey(CHotkey& hotkey, const std::string& name) const {
  hotkey.Name = name;
  hotkey.Param = LB_functions.Text();
  hotkey.Key = CB_key.ItemIndex();
  hotkey.Modifier = CB_mod.Text();
  hotkey.Extra = common::AsOneLine(LE_extra.Text());
  hotkey.Function = CB_function.ItemIndex();
}

void TF_Hotkey::B_okClick(ui::TObject*) {
  if (!F_HotkeyHandler || !StoreHotkey()) return;
  ModalResult = ui::mrOk;
  Close();
}

void TF_Hotkey::B_cancelClick(ui::TObject*) {
  Close();
}
