// The alarm record, the alarm list and its file alarmlist.ini. The list lives
// in F_AlarmHandler, whose two timers drive it (alarm_timers.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "alarms/alarm_types.h"
#include "common/date_time_text.h"
#include "common/record_list.h"

namespace ui {
class TMenuItem;
}

// The list's file in the program folder.
inline constexpr char kAlarmListFile[] = "alarmlist.ini";

// One named reminder. A plain record copied by value.
class CAlarm {
 public:
  std::string Name;      // never empty; "#..." marks a quick alarm, dropped once inactive
  std::string DateText;  // the user's short date format, kept byte for byte
  std::string TimeText;  // a time of day, or a countdown's length, kept byte for byte
  std::string TaskName;
  std::string Message;
  // Working values: a countdown's remaining time, or the time of day read
  // from TimeText; Second holds the weekday (1 Sunday) for the day types and
  // Minute the fired-today guard of a Day alarm.
  std::uint16_t Hour = 0, Minute = 0, Second = 0;
  std::int16_t Type = 0;
  std::int16_t Signals = 0;
  std::int16_t State = 0;             // 1 active
  std::int16_t Repeat = 0;            // 0: deactivated when it fires
  std::int16_t AM = 0;                // 1: the time lies before noon; anything else: after it
  ui::TMenuItem* MenuItem = nullptr;  // its item under the tray's "Alarms"; the menu owns it
  // Not saved: given by AddAlarm, so an alarm can be found again whatever
  // happened to the list meanwhile (0 for none).
  std::uint64_t Id = 0;

  // Not saved. The texts as read when the alarm was last loaded or
  // activated: ticks never read texts.
  std::optional<datetime::Date> ParsedDate;
  std::optional<datetime::TimeOfDay> ParsedTime;
  std::int64_t DeadlineMs = 0;              // a running countdown's end, monotonic clock
  std::optional<std::int64_t> LastFiredMs;  // monotonic; keeps a time alarm from firing twice

  bool IsActive() const { return State == 1; }
  // Its row of the type table; null for a type outside the six.
  const AlarmTypeInfo* TypeInfo() const { return FindAlarmType(Type); }
  bool RunsOn(AlarmTimer timer) const { return TypeInfo() && TypeInfo()->Timer == timer; }
  // The day types keep their weekday (1 Sunday) in Second, and a Day alarm
  // whether it fired today in Minute.
  int Weekday() const { return Second; }
  bool FiredToday() const { return Minute != 0; }
  void SetFiredToday(bool fired) { Minute = fired ? 1 : 0; }
  // Reads the texts this type needs into ParsedDate / ParsedTime; false when one cannot be read.
  bool ParseTexts();
  // The same in those formats, with two-digit years read around `year`.
  bool ParseTexts(const os::locale::Formats& formats, int year);
};

// The list window's side of a change to the list.
class AlarmListListener {
 public:
  // Refills the window's two lists and its caption.
  virtual void RefreshAlarmLists() = 0;
  // Moves one alarm's entry between the window's lists without refilling
  // them: list 0 holds the non-active alarms, list 1 the active ones.
  virtual void MoveAlarmEntry(const common::ListEntry& before, const common::ListEntry& after) = 0;
  // After changes, whose entries moved as they happened: the lists are left
  // without a selection, the caption counts again and the status line and
  // buttons follow.
  virtual void UpdateAlarmLists() = 0;
  // Runs each of the two timers while an active alarm of its kind exists.
  virtual void RunAlarmTimers(bool countdown, bool dateTime) = 0;
  // At a countdown tick: a waiting countdown's remaining time, in its
  // working values.
  virtual void ShowRemaining(const CAlarm& countdown) = 0;
  // Alarms fire: the live status of a selected countdown ends.
  virtual void EndLiveCountdown() = 0;

 protected:
  ~AlarmListListener() = default;
};

// The alarms' notice box: caption "Information", exclamation icon.
void ShowAlarmNotice(const std::string& text);

class CAlarmHandler {
 public:
  // alarmlist.ini keeps the count in 16 bits.
  static constexpr int kMaxAlarms = 65535;

  // File order after loading, name order after every save.
  std::vector<CAlarm> Alarms;
  int Count() const { return static_cast<int>(Alarms.size()); }
  // The active alarms each timer drives, by AlarmTimer; counted from the
  // records, so no change can make them drift.
  std::array<int, 2> ActiveOnEachTimer() const;
  int ActiveAlarmCount() const {
    const std::array<int, 2> active = ActiveOnEachTimer();
    return active[0] + active[1];
  }

  // The list window, told of every change; none until it says so.
  AlarmListListener* Listener = nullptr;

  // Reads the program folder's file; 0 when it cannot be read. Alarms saved
  // as active are activated again, but not those whose texts cannot be read:
  // they stay inactive and are named in one notice once the loop runs, with
  // the alarms renamed because their name was taken and how many records
  // the full list left out.
  int LoadAlarms(const std::string& fileName);
  // Sorts the list by name and writes it whole, atomically; 0 when nothing
  // was written (the old file and the list's order stay as they were).
  int SaveAlarms(const std::string& fileName);
  // Writes alarmlist.ini after a change; a failure is told as `report`
  // asks, and until a save works the list is written again at its next
  // change, at every tick and at exit (SaveIfUnsaved).
  void SaveAlarmList(common::SaveReport report);
  void SaveIfUnsaved();
  // What follows every change of the list: inactive quick alarms go, the
  // list is saved (SaveAlarmList) and the window shows it, without a
  // selection.
  void CommitChange(common::SaveReport report);
  // Appends a copy with its own tray item and activates it when it comes
  // active; with `refresh` it is listed in the window at once, as
  // UpdateLists leaves the lists. 0 with an "Error" box when the list is full.
  int AddAlarm(CAlarm alarm, bool refresh);
  // A quick alarm (quick_alarm.cpp): an active one-shot Time alarm (countdown
  // 0) or countdown, named "#Alarm - (...) " or "#Countdown - (...) " and
  // numbered when the name is taken, saved at once. 0, after an "Error" box,
  // when the time does not read or the list is full.
  int AddQuickAlarm(const std::string& time, const std::string& message, int am, int countdown);
  // Refills the window's two lists, dropping inactive quick alarms first.
  int RefreshLists();
  // After changes, which moved their alarms' entries as they happened: drops
  // inactive quick alarms; the lists are left without a selection and the
  // caption counts again, as RefreshLists leaves them.
  void UpdateLists();
  // Where the window lists an alarm: among the non-active (list 0) or the
  // active ones (1); nowhere in another state, nor while the file loads.
  common::ListEntry EntryOf(const CAlarm& alarm) const;
  // Moves one alarm's entry in the window's lists, without refilling them.
  void MoveEntry(const common::ListEntry& before, const common::ListEntry& after);
  int FindAlarm(const std::string& name) const;
  // The index of the alarm with that Id, or -1.
  int FindAlarmById(std::uint64_t id) const;
  // 1 active, 0 inactive, -1 no such alarm or an odd state.
  int GetAlarmState(const std::string& name) const;
  // 1 when no alarm but the one being edited (its Id, 0 for none) has that name.
  int IsAlarmNameFree(const std::string& name, std::uint64_t editId = 0) const;
  // Removes the alarm, its tray item and its entry in the window; -1 when no
  // alarm has that name.
  int DeleteAlarm(const std::string& name);

  // 1 activated, 0 already active, -1 refused:
  // - no such alarm, or its type is unknown;
  // - its task is gone (an "Information" box);
  // - its texts cannot be read (an "Error" box).
  int ActivateAlarm(const std::string& name);
  // 1 stopped, 0 already inactive, -1 no such alarm or an unknown type.
  int StopAlarm(const std::string& name);

  // Timer ticks (alarm_timers.cpp): fire what is due, then refresh and save once.
  void CountdownTick();
  void DateTimeTick();

 private:
  // Appends a copy, not active yet, with its id and tray item; its index.
  int AppendAlarm(CAlarm alarm);
  // ActivateAlarm for the alarm at that index.
  int ActivateAt(int index);
  // What activating checks before the texts are read: -1 refused (the task
  // gone, after its notice; an unknown type), 0 already active, 1 go on.
  int CheckActivation(const CAlarm& alarm);
  // Loads the working values of an alarm whose texts were read, and runs it.
  void StartAlarm(CAlarm& alarm, std::int64_t nowMs);
  // Sets the state, checks the tray item while it is active, and moves the
  // alarm's entry to the list for it. Every change of state goes through here.
  void SetState(CAlarm& alarm, std::int16_t state);
  // DeleteAlarm for the alarm at that index.
  void DeleteAt(int index);
  // Deletes the quick alarms no longer active: they were made for one firing.
  void DropInactiveQuickAlarms();
  // Runs each timer while it has an active alarm.
  void SyncTimers();
  // Fires the alarms at those indices, already due: first every state change,
  // then each one's outputs from a copy, then one refresh and save.
  void FireDueAlarms(const std::vector<std::size_t>& due);
  // Deactivates a one-shot alarm and reloads the working values; the copy
  // that the outputs use.
  CAlarm PrepareFiring(CAlarm& alarm, std::int64_t nowMs);
  // The window, the sound and the task of one firing (its message line is
  // added with those of the other alarms of the tick).
  void FireAlarm(const CAlarm& fired);
  // Whether the alarm waits on that timer: active and not firing now.
  bool IsWaiting(const CAlarm& alarm, AlarmTimer timer) const;
  // One notice of what loading found: alarms that could not be read, names
  // already taken, records beyond the most the list holds.
  void ShowLoadNotice(const std::string& unreadable, const std::string& renamed, int notLoaded);
  // An "Information" box; while the file loads it waits until the loop runs.
  void ShowNotice(const std::string& text);

  // Alarms whose outputs are still running: a nested tick leaves them alone.
  std::set<std::string> firing_;
  // The date-and-time timer's previous tick, or its start.
  os::ClockReading previousDateTick_;
  std::uint64_t lastId_ = 0;
  bool loading_ = false;
  bool dateTimerRuns_ = false;
  common::FileSaves saves_;
};
