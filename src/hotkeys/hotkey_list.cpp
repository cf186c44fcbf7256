#include "hotkeys/hotkey_list.h"

#include <algorithm>
#include <cstdint>

#include "app/main_form.h"
#include "common/record_file.h"
#include "common/record_list.h"
#include "hotkeys/hotkey_handler_form.h"
#include "settings/settings_record.h"
#include "ui/menu.h"
#include "ui/messages.h"

namespace {

// A hotkey in hotkeylist.ini.
constexpr common::Field<CHotkey> kHotkeyFields[] = {
    &CHotkey::Name,  &CHotkey::Param,    &CHotkey::Key,     &CHotkey::Modifier,
    &CHotkey::Extra, &CHotkey::Function, &CHotkey::Enabled, &CHotkey::Id,
};

// Draws before NewHotkeyId looks for the lowest free id instead.
constexpr int kRandomDraws = 64;

bool IsValidId(int id) {
  return id >= 1 && id <= CHotkeyHandler::kMaxId;
}

// A small linear congruential generator, never seeded: every run draws the
// same sequence.
int DrawRandom() {
  static std::uint32_t state = 1;
  state = state * 22695477u + 1;
  return static_cast<int>(state >> 16 & 0x7FFF);
}

// The records of a file, never more than there are ids, each under a name no
// hotkey before it has; `notLoaded` counts the records left out.
std::vector<CHotkey> ReadHotkeys(std::string text, int& notLoaded) {
  common::LineReader reader(std::move(text));
  const int count = common::ReadRecordCount<CHotkey>(reader, kHotkeyFields);
  std::vector<CHotkey> hotkeys(std::min(count, CHotkeyHandler::kMaxId));
  notLoaded = count - static_cast<int>(hotkeys.size());
  common::NameKeeper names;
  for (CHotkey& hotkey : hotkeys) {
    common::ReadRecord(reader, hotkey, kHotkeyFields);
    names.Claim(hotkey.Name);
  }
  return hotkeys;
}

}  // namespace

std::function<int()> CHotkeyHandler::NextRandom = DrawRandom;

int CHotkeyHandler::EnabledCount() const {
  return static_cast<int>(std::count_if(Hotkeys.begin(), Hotkeys.end(),
                                        [](const CHotkey& hotkey) { return hotkey.Enabled == 1; }));
}

void CHotkeyHandler::RefreshHotkeyLists() {
  if (Listener) Listener->RefreshHotkeyLists();
}

void CHotkeyHandler::UpdateHotkeyLists() {
  if (Listener) Listener->UpdateHotkeyLists();
}

void CHotkeyHandler::UpdateHotkeyButtons() {
  if (Listener) Listener->UpdateHotkeyButtons();
}

common::ListEntry CHotkeyHandler::EntryOf(const CHotkey& hotkey) const {
  const bool listed = !wholeListChanging_ && (hotkey.Enabled == 0 || hotkey.Enabled == 1);
  return listed ? common::ListEntry{hotkey.Enabled, hotkey.Name} : common::ListEntry{};
}

void CHotkeyHandler::MoveEntry(const common::ListEntry& before, const common::ListEntry& after) {
  if (Listener && before != after) Listener->MoveHotkeyEntry(before, after);
}

void CHotkeyHandler::SetEnabled(CHotkey& hotkey, bool on) {
  const common::ListEntry before = EntryOf(hotkey);
  hotkey.Enabled = on ? 1 : 0;
  if (hotkey.MenuItem) hotkey.MenuItem->Checked = on;
  MoveEntry(before, EntryOf(hotkey));
}

int CHotkeyHandler::LoadHotkeys(const std::string& fileName) {
  auto text = ReadProgramFile(fileName);
  if (!text) return 0;
  int notLoaded = 0;
  std::vector<CHotkey> loaded = ReadHotkeys(std::move(*text), notLoaded);
  if (notLoaded > 0 && Velmarind)
    Velmarind->ShowNoticeLater(common::NotLoadedNotice(notLoaded, kMaxId, "hotkey"),
                               ui::MB_ICONINFORMATION);
  // Ids are settled before anything is registered: the first hotkey in the
  // file keeps an id, and a fresh one never takes an id a later hotkey holds.
  std::vector<bool> taken = TakenIds();
  for (CHotkey& hotkey : loaded) {
    if (IsValidId(hotkey.Id) && !taken[hotkey.Id])
      taken[hotkey.Id] = true;
    else
      hotkey.Id = 0;
  }
  for (CHotkey& hotkey : loaded)
    if (hotkey.Id == 0) taken[hotkey.Id = FreeId(taken)] = true;
  wholeListChanging_ = true;
  Hotkeys.reserve(Hotkeys.size() + loaded.size());
  for (CHotkey& hotkey : loaded) AddHotkey(std::move(hotkey), false);
  wholeListChanging_ = false;
  RefreshHotkeyLists();
  return 1;
}

int CHotkeyHandler::SaveHotkeys(const std::string& fileName) {
  const auto path = ProgramFile(fileName);
  return path && common::SaveSortedList(*path, Hotkeys, kHotkeyFields) ? 1 : 0;
}

void CHotkeyHandler::SaveHotkeyList(common::SaveReport report) {
  const bool saved = SaveHotkeys(kHotkeyListFile) == 1;
  saves_.Took(saved, ProgramFile(kHotkeyListFile).value_or(kHotkeyListFile), report);
}

void CHotkeyHandler::SaveIfUnsaved() {
  if (saves_.Unsaved()) SaveHotkeyList(common::SaveReport::OncePerFailure);
}

int CHotkeyHandler::AddHotkey(CHotkey hotkey, bool refresh) {
  const bool enable = hotkey.Enabled == 1;
  hotkey.Enabled = 0;  // 1 only once registered; any other value read from a file is 0
  hotkey.MenuItem = AddRecordMenuItem(&TVelmarind::M_Hotkeys, hotkey.Name, [](ui::TObject* sender) {
    if (F_HotkeyHandler) F_HotkeyHandler->HotkeyMenuItemClick(sender);
  });
  // The item finds its hotkey by id: a hand-edited file may repeat a name.
  if (hotkey.MenuItem) hotkey.MenuItem->Tag = hotkey.Id;
  Hotkeys.push_back(std::move(hotkey));
  if (refresh) MoveEntry({}, EntryOf(Hotkeys.back()));
  if (enable) EnableHotkeyAt(Count() - 1, false);
  if (refresh) UpdateHotkeyLists();
  return 1;
}

int CHotkeyHandler::DeleteHotkey(const std::string& name) {
  const int index = FindHotkey(name);
  if (index < 0) return -1;
  DisableHotkeyAt(index);  // the list window deletes only disabled hotkeys; a guard all the same
  const common::ListEntry listed = EntryOf(Hotkeys[index]);
  common::RemoveAt(Hotkeys, index);
  MoveEntry(listed, {});
  return 1;
}

int CHotkeyHandler::FindHotkey(const std::string& name) const {
  return common::FindByName(Hotkeys, name);
}

int CHotkeyHandler::FindHotkeyById(int id) const {
  return common::FindById(Hotkeys, id);
}

int CHotkeyHandler::IsHotkeyNameFree(const std::string& name, int excludeId) const {
  return common::IsNameFree(Hotkeys, name, excludeId == 0 ? -1 : FindHotkeyById(excludeId)) ? 1 : 0;
}

int CHotkeyHandler::GetHotkeyState(const std::string& name) const {
  const int index = FindHotkey(name);
  if (index < 0) return -1;
  const int enabled = Hotkeys[index].Enabled;
  return enabled == 0 || enabled == 1 ? enabled : -1;
}

int CHotkeyHandler::EnableHotkey(const std::string& name, bool showError) {
  const int index = FindHotkey(name);
  return index < 0 ? -1 : EnableHotkeyAt(index, showError);
}

int CHotkeyHandler::DisableHotkey(const std::string& name) {
  const int index = FindHotkey(name);
  return index < 0 ? -1 : DisableHotkeyAt(index);
}

int CHotkeyHandler::EnableHotkeyAt(int index, bool showError) {
  CHotkey& hotkey = Hotkeys[index];
  if (hotkey.Enabled == 1) return 0;
  // A refusal returns after its box, and `hotkey` is not touched again.
  if (TF_HotkeyHandler::RegisterGlobalHotkey(hotkey.Id, hotkey.Modifier, hotkey.Key, showError))
    SetEnabled(hotkey, true);
  return 1;
}

int CHotkeyHandler::DisableHotkeyAt(int index) {
  CHotkey& hotkey = Hotkeys[index];
  if (hotkey.Enabled == 0) return 0;
  SetEnabled(hotkey, false);
  TF_HotkeyHandler::UnregisterGlobalHotkey(hotkey.Id);
  return 1;
}

void CHotkeyHandler::EnableAllHotkeys() {
  wholeListChanging_ = true;
  for (int i = 0; i < Count(); ++i) EnableHotkeyAt(i, false);
  wholeListChanging_ = false;
  SaveHotkeyList(common::SaveReport::EveryFailure);
  RefreshHotkeyLists();
  UpdateHotkeyButtons();
}

void CHotkeyHandler::DisableAllHotkeys() {
  wholeListChanging_ = true;
  for (int i = 0; i < Count(); ++i) DisableHotkeyAt(i);
  wholeListChanging_ = false;
  SaveHotkeyList(common::SaveReport::EveryFailure);
  RefreshHotkeyLists();
  UpdateHotkeyButtons();
}

int CHotkeyHandler::NewHotkeyId() const {
  return FreeId(TakenIds());
}

std::vector<bool> CHotkeyHandler::TakenIds() const {
  std::vector<bool> taken(kMaxId + 1);
  for (const CHotkey& hotkey : Hotkeys)
    if (IsValidId(hotkey.Id)) taken[hotkey.Id] = true;
  return taken;
}

int CHotkeyHandler::FreeId(const std::vector<bool>& taken) const {
  for (int draw = 0; draw < kRandomDraws; ++draw) {
    const int id = static_cast<int>(static_cast<unsigned>(NextRandom()) % kMaxId) + 1;
    if (!taken[id]) return id;
  }
  for (int id = 1; id <= kMaxId; ++id)
    if (!taken[id]) return id;
  return 0;
}
