// Quick alarms: a one-shot alarm made in one step from a memo line.
#include <algorithm>
#include <cctype>

#include "alarms/alarm_list.h"
#include "common/date_time_text.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "ui/dialogs.h"

namespace {

// A time text that reads holds nothing but digits, separators, blanks and
// the designator.
bool HasDesignator(const std::string& time) {
  return std::any_of(time.begin(), time.end(), [](unsigned char c) {
    return !std::isdigit(c) && c != ':' && c != '.' && c != ' ';
  });
}

// Whether the time lies before noon: the text decides where it can (a
// designator, an hour of 0 or of 13 to 23); hours 1 to 12 follow the AM flag.
bool BeforeNoon(const std::string& text, const datetime::TimeOfDay& time, int am) {
  if (HasDesignator(text) || time.Hour == 0 || time.Hour >= 13) return time.Hour < 12;
  return am == 1;
}

}  // namespace

int CAlarmHandler::AddQuickAlarm(const std::string& time, const std::string& message, int am,
                                 int countdown) {
  const os::locale::Formats formats = os::locale::UserFormats();
  const auto parsed = datetime::ParseStoredTime(time, formats);
  if (!parsed) {
    ui::ShowError(time + " is not a valid time.");
    return 0;
  }
  if (Count() >= kMaxAlarms) {
    ui::ShowError("Too many alarms");
    return 0;
  }
  CAlarm alarm;
  alarm.AM = static_cast<std::int16_t>(am);
  if (countdown == 0) alarm.AM = BeforeNoon(time, *parsed, am) ? 1 : 0;
  const std::string base = countdown == 0
                               ? "#Alarm - (" + time + (alarm.AM == 1 ? " AM" : " PM") + ") "
                               : "#Countdown - (" + time + ") ";
  alarm.Name = base;
  for (int n = 2; FindAlarm(alarm.Name) >= 0; ++n) alarm.Name = base + std::to_string(n);
  alarm.DateText = datetime::FormatDate(datetime::DateOf(os::clock::Read().Local), formats);
  alarm.TimeText = time;
  const CSettings* settings = SettingsRecord();
  alarm.Message = message.empty() && settings ? settings->DefaultMessage : message;
  alarm.Type = TypeValue(countdown == 0 ? AlarmType::Time : AlarmType::Countdown);
  alarm.Signals = alarm_signal::kShowMessage | alarm_signal::kPlaySound;
  alarm.State = 1;
  AddAlarm(alarm, true);
  CommitChange(common::SaveReport::EveryFailure);  // the alarm exists and runs either way
  return 1;
}
