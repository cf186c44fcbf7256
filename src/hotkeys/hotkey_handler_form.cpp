#include "hotkeys/hotkey_handler_form.h"

#include "app/main_form.h"
#include "common/key_table.h"
#include "common/placement.h"
#include "hotkeys/hotkey_form.h"
#include "os/os.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

TF_HotkeyHandler* F_HotkeyHandler = nullptr;

namespace {

constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kNavy = 0x000080;
constexpr ui::TAnchors kTopLeft = ui::akLeft | ui::akTop;
constexpr std::size_t kSummaryShown = 45;

ui::TControlPlace Button(int top, int tabOrder) {
  return {{208, top, 57, 25}, kTopLeft, tabOrder};
}

}  // namespace

TF_HotkeyHandler::TF_HotkeyHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_HotkeyHandler",
                                .Caption = "",
                                .ClientWidth = 271,
                                .ClientHeight = 282,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      L_enabledhotkeys(*this, "Enabled hotkeys", {{8, 8, 193, 13}}),
      LB_enabled(*this, {{8, 24, 193, 89}, kTopLeft, 0}, true),
      L_disabledhotkeys(*this, "Disabled Hotkeys", {{8, 120, 193, 13}}),
      LB_disabled(*this, {{8, 136, 193, 121}, kTopLeft, 3}, true),
      B_new(*this, "&New", Button(24, 1)),
      B_disable(*this, "&Disable", Button(56, 2)),
      B_enable(*this, "E&nable", Button(136, 4)),
      B_edit(*this, "&Edit", Button(168, 5)),
      B_delete(*this, "&Delete", Button(200, 6)),
      B_close(*this, "&Close", Button(232, 7)),
      StatusBar(*this, {{0, 263, 271, 19}}) {
  Name = "F_HotkeyHandler";
  // The names the translation files use.
  NameComponents({{&B_close, "B_close"},
                  {&B_delete, "B_delete"},
                  {&B_disable, "B_disable"},
                  {&B_edit, "B_edit"},
                  {&B_enable, "B_enable"},
                  {&B_new, "B_new"},
                  {&L_disabledhotkeys, "L_disabledhotkeys"},
                  {&L_enabledhotkeys, "L_enabledhotkeys"}});
  L_enabledhotkeys.SetTextStyle(ui::TTextStyle{.Color = kBlue});
  LB_enabled.SetTextStyle(ui::TTextStyle{.Color = kBlue});
  L_disabledhotkeys.SetTextStyle(ui::TTextStyle{.Color = kNavy});
  WireEvents();
  HotkeyHandler.Listener = this;
  // Without a file the caption says so too.
  if (HotkeyHandler.LoadHotkeys(kHotkeyListFile) == 0) RefreshHotkeyLists();
}

void TF_HotkeyHandler::WireEvents() {
  OnShow = ui::Handler(this, &TF_HotkeyHandler::FormShow);
  OnHide = ui::Handler(this, &TF_HotkeyHandler::FormHide);
  LB_enabled.OnClick = ui::Handler(this, &TF_HotkeyHandler::LB_enabledClick);
  LB_enabled.OnDblClick = ui::Handler(this, &TF_HotkeyHandler::LB_enabledDblClick);
  LB_disabled.OnClick = ui::Handler(this, &TF_HotkeyHandler::LB_disabledClick);
  LB_disabled.OnDblClick = ui::Handler(this, &TF_HotkeyHandler::LB_disabledDblClick);
  B_new.OnClick = ui::Handler(this, &TF_HotkeyHandler::B_newClick);
  B_enable.OnClick = ui::Handler(this, &TF_HotkeyHandler::B_enableClick);
  B_disable.OnClick = ui::Handler(this, &TF_HotkeyHandler::B_disableClick);
  B_edit.OnClick = ui::Handler(this, &TF_HotkeyHandler::B_editClick);
  B_delete.OnClick = ui::Handler(this, &TF_HotkeyHandler::B_deleteClick);
  B_close.OnClick = ui::Handler(this, &TF_HotkeyHandler::B_closeClick);
}

void TF_HotkeyHandler::RefreshHotkeyLists() {
  std::vector<std::string> enabled, disabled;
  for (const CHotkey& hotkey : HotkeyHandler.Hotkeys) {
    if (hotkey.Enabled == 1) enabled.push_back(hotkey.Name);
    if (hotkey.Enabled == 0) disabled.push_back(hotkey.Name);
  }
  LB_enabled.SetItems(enabled);
  LB_disabled.SetItems(disabled);
  ShowHotkeyCount();
}

void TF_HotkeyHandler::MoveHotkeyEntry(const common::ListEntry& before,
                                       const common::ListEntry& after) {
  ui::TListBox* const lists[] = {&LB_disabled, &LB_enabled};
  common::MoveEntry(lists, before, after);
}

void TF_HotkeyHandler::UpdateHotkeyLists() {
  LB_enabled.SetItemIndex(-1);
  LB_disabled.SetItemIndex(-1);
  ShowHotkeyCount();
}

void TF_HotkeyHandler::ShowHotkeyCount() {
  SetCaption("Enabled Hotkeys " + std::to_string(HotkeyHandler.EnabledCount()) + ", Total " +
             std::to_string(HotkeyHandler.Count()));
}

// With both lists selected, the disabled one's summary is the one left standing.
void TF_HotkeyHandler::UpdateHotkeyButtons() {
  StatusBar.SetSimpleText("");
  const bool enabled = LB_enabled.ItemIndex() >= 0, disabled = LB_disabled.ItemIndex() >= 0;
  B_disable.SetEnabled(enabled);
  for (ui::TButton* button : {&B_edit, &B_delete, &B_enable}) button->SetEnabled(disabled);
  if (enabled) ShowHotkeyInfo(HotkeyHandler.FindHotkey(LB_enabled.Text()));
  if (disabled) ShowHotkeyInfo(HotkeyHandler.FindHotkey(LB_disabled.Text()));
}

void TF_HotkeyHandler::ShowHotkeyInfo(int index) {
  if (index < 0 || index >= HotkeyHandler.Count()) return;
  const CHotkey& hotkey = HotkeyHandler.Hotkeys[index];
  std::string text = "Hotkey " + hotkey.Modifier + "+" + HotkeyKeyName(hotkey.Key) + " - ";
  if (hotkey.Function == kExecuteTask) text += "Execute task: ";
  if (hotkey.Function == kActivateAlarm) text += "Activate alarm: ";
  text += hotkey.Param;
  if (!hotkey.Extra.empty()) text += " - " + hotkey.Extra;
  if (text.size() > kSummaryShown) text = text.substr(0, kSummaryShown) + "...";
  StatusBar.SetSimpleText(text);
}

std::string TF_HotkeyHandler::HotkeyKeyName(int key) {
  const std::vector<std::string>& names = common::KeyNames();
  return key >= 0 && key < static_cast<int>(names.size()) ? names[key] : "";
}

void TF_HotkeyHandler::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 32);
  UpdateHotkeyButtons();
}

void TF_HotkeyHandler::FormHide(ui::TObject*) {
  LB_enabled.SetItemIndex(-1);
  LB_disabled.SetItemIndex(-1);
  StatusBar.SetSimpleText("");
}

void TF_HotkeyHandler::LB_enabledClick(ui::TObject*) {
  LB_disabled.SetItemIndex(-1);
  UpdateHotkeyButtons();
}

void TF_HotkeyHandler::LB_disabledClick(ui::TObject*) {
  LB_enabled.SetItemIndex(-1);
  UpdateHotkeyButtons();
}

void TF_HotkeyHandler::LB_enabledDblClick(ui::TObject*) {
  B_disable.Click();
}

void TF_HotkeyHandler::LB_disabledDblClick(ui::TObject*) {
  B_enable.Click();
}

void TF_HotkeyHandler::ListChanged() {
  HotkeyHandler.SaveHotkeyList(common::SaveReport::EveryFailure);
  UpdateHotkeyLists();
  UpdateHotkeyButtons();
}

void TF_HotkeyHandler::B_newClick(ui::TObject*) {
  if (!F_Hotkey) return;
  F_Hotkey->ResetForNewHotkey();
  F_Hotkey->Show();
}

void TF_HotkeyHandler::B_enableClick(ui::TObject*) {
  if (LB_disabled.ItemIndex() < 0) return;
  HotkeyHandler.EnableHotkey(LB_disabled.Text(), true);
  ListChanged();
}

void TF_HotkeyHandler::B_disableClick(ui::TObject*) {
  if (LB_enabled.ItemIndex() < 0) return;
  HotkeyHandler.DisableHotkey(LB_enabled.Text());
  ListChanged();
}

// Deletes at once, without a question.
void TF_HotkeyHandler::B_deleteClick(ui::TObject*) {
  if (LB_disabled.ItemIndex() < 0) return;
  HotkeyHandler.DeleteHotkey(LB_disabled.Text());
  ListChanged();
}

// Only a disabled hotkey is edited. An editor already open from New now
// edits this hotkey.
void TF_HotkeyHandler::B_editClick(ui::TObject*) {
  if (!F_Hotkey || LB_disabled.ItemIndex() < 0) return;
  StatusBar.SetSimpleText("");
  const int index = HotkeyHandler.FindHotkey(LB_disabled.Text());
  if (index < 0) return;
  F_Hotkey->LoadHotkey(HotkeyHandler.Hotkeys[index]);
  if (!F_Hotkey->Visible()) F_Hotkey->ShowModal();
}

void TF_HotkeyHandler::B_closeClick(ui::TObject*) {
  Close();
}

bool TF_HotkeyHandler::RegisterGlobalHotkey(int id, const std::string& modifier, int key,
                                            bool showError) {
  const int virtualKey = KeyIndexToVirtualKey(key);
  if (virtualKey < 0 || !Velmarind) return false;
  if (os::hotkeys::Register(Velmarind->Handle(), id, common::ModifierFlags(modifier), virtualKey))
    return true;
  if (showError) ui::ShowError("The hotkey is already in use.");
  return false;
}

bool TF_HotkeyHandler::UnregisterGlobalHotkey(int id) {
  return Velmarind && os::hotkeys::Unregister(Velmarind->Handle(), id);
}

int TF_HotkeyHandler::KeyIndexToVirtualKey(int key) {
  return common::VirtualKeyAt(key);
}

void TF_HotkeyHandler::UnregisterAllHotkeys() {
  for (const CHotkey& hotkey : HotkeyHandler.Hotkeys)
    if (hotkey.Enabled == 1) UnregisterGlobalHotkey(hotkey.Id);
}

void TF_HotkeyHandler::HotkeyMenuItemClick(ui::TObject* sender) {
  const auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  const int index = item ? HotkeyHandler.FindHotkeyById(item->Tag) : -1;
  if (index >= 0) {
    if (HotkeyHandler.Hotkeys[index].Enabled == 1)
      HotkeyHandler.DisableHotkeyAt(index);
    else
      HotkeyHandler.EnableHotkeyAt(index, true);  // a refusal says so
  }
  HotkeyHandler.SaveHotkeyList(common::SaveReport::EveryFailure);
  HotkeyHandler.UpdateHotkeyLists();
}
