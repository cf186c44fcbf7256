// The alarm editor as the user works with it: layouts, the AM box, the checks of OK, what OK
// stores, and the list changing while the editor is open.
#include "alarms/alarm_test.h"

namespace {

using ui::headless::Type;

class AlarmEditorTest : public AlarmTest {
 protected:
  static TF_Alarm& E() { return *F_Alarm; }
  // The next modal form must be the editor; `act` works it as the user does.
  static void ExpectEditor(std::function<void(TF_Alarm&)> act) {
    ui::headless::Expect([act = std::move(act)](ui::headless::Dialog& d) {
      EXPECT_EQ(d.form, F_Alarm);
      act(*F_Alarm);
      if (F_Alarm->ModalResult == ui::mrNone) F_Alarm->B_cancel.Click();
      return 0;
    });
  }
  static void PickType(AlarmType type) {
    E().CB_type.SetItemIndex(static_cast<int>(type));
    E().CB_type.NotifyChange();
  }
  static void UserSetsTime(int hour, int minute, int second = 0) {
    ui::TDateAndTime value = E().TimePicker.Value();
    value.Hour = hour, value.Minute = minute, value.Second = second;
    ui::headless::EditDateTime(E().TimePicker, value);
  }
  static void UserSetsDate(int year, int month, int day) {
    ui::TDateAndTime value = E().DatePicker.Value();
    value.Year = year, value.Month = month, value.Day = day;
    ui::headless::EditDateTime(E().DatePicker, value);
  }
  static std::string Str(bool b) { return b ? "1" : "0"; }
  static std::string Time() {
    const ui::TDateAndTime t = E().TimePicker.Value();
    return std::to_string(t.Hour) + ":" + std::to_string(t.Minute) +
           (E().CB_AM.Checked() ? " AM" : "");
  }
};

TEST_F(AlarmEditorTest, NewOpensForATimeAlarmAndOkWaitsForANameAndASignal) {
  ExpectEditor([](TF_Alarm& e) {
    EXPECT_EQ(e.Caption() + "|" + e.CB_type.Text() + "|" + Time() + "|" + e.LE_Message.Text(),
              "New Alarm|Time|0:0 AM|Wake up!");
    EXPECT_EQ(e.DatePicker.Value().Day * 100 + e.DatePicker.Value().Month, 612);
    EXPECT_EQ(std::pair(e.Left(), e.Top()), std::pair(1232 - e.Width(), 976 - e.Height()));
    EXPECT_EQ(ui::headless::FocusedHandle(), e.LE_Name.Handle());
    EXPECT_FALSE(e.B_ok.Enabled());
    Type(e.LE_Name, "n");
    EXPECT_TRUE(e.B_ok.Enabled());
    e.LE_Name.SetText("");
    EXPECT_FALSE(e.B_ok.Enabled());
    Type(e.LE_Name, "n");
    for (ui::TCheckBox* signal : {&e.RB_Signal1, &e.RB_Signal2}) signal->SetChecked(false);
    EXPECT_FALSE(e.B_ok.Enabled());
    e.RB_Signal3.SetChecked(true);
    EXPECT_TRUE(e.B_ok.Enabled());
    EXPECT_EQ(e.CB_Repeat.Hint(), "Reactivate the alarm after time is up");
    UserSetsTime(15, 0);
  });
  Window().B_New.Click();
  ExpectEditor([](TF_Alarm& e) { EXPECT_EQ(Time() + Str(e.CB_AM.Enabled()), "0:0 AM1"); });
  Velmarind->M_newalarm.Click();  // the second tray menu's "New Alarm"
}

// date: date picker usable; time: time picker and AM usable; AM checked; repeat shown; the two
// pickers' formats; message and task shown with Show Message and Run Task checked.
TEST_F(AlarmEditorTest, EachTypeLaysTheEditorOut) {
  ExpectEditor([](TF_Alarm& e) {
    e.CountdownTimeFormat = "HH:mm:ss";
    e.DatePicker.SetFormat("dd.MM.");  // left as it is by the types without a date
    // clang-format off
    const struct { AlarmType type; const char* usable; const char* dateFormat; const char* timeFormat; } rows[] = {
        {AlarmType::Countdown,   "-t-+r", "dd.MM.", "HH:mm:ss"}, {AlarmType::DateAndTime, "dta--", "", ""},
        {AlarmType::Date,        "d----", "",       ""},         {AlarmType::Time,        "-ta-r", "", ""},
        {AlarmType::DayAndTime,  "dta-r", "dddd",   ""},         {AlarmType::Day,         "d---r", "dddd", ""},
    };
    // clang-format on
    e.CB_AM.SetChecked(false);
    e.CB_Repeat.SetChecked(true);
    for (const auto& r : rows) {
      PickType(r.type);
      const std::string usable = {e.DatePicker.Enabled() ? 'd' : '-',
                                  e.TimePicker.Enabled() ? 't' : '-', e.CB_AM.Enabled() ? 'a' : '-',
                                  e.CB_AM.Checked() ? '+' : '-', e.CB_Repeat.Visible() ? 'r' : '-'};
      EXPECT_EQ(usable, r.usable) << static_cast<int>(r.type);
      EXPECT_EQ(e.DatePicker.Format() + "|" + e.TimePicker.Format(),
                std::string(r.dateFormat) + "|" + r.timeFormat);
      if (r.type == AlarmType::Countdown) e.CB_AM.SetChecked(false);
      EXPECT_TRUE(e.CB_Repeat.Visible() || !e.CB_Repeat.Checked());
    }
    e.RB_Signal1.SetChecked(false);
    e.RB_Signal3.SetChecked(true);
    EXPECT_FALSE(e.LE_Message.Visible() || e.LE_Message.EditLabel.Visible());
    EXPECT_TRUE(e.CB_Task.Visible() && e.L_Task.Visible());
    e.RB_Signal3.SetChecked(false);
    EXPECT_FALSE(e.CB_Task.Visible() || e.L_Task.Visible());
  });
  Window().B_New.Click();
}

TEST_F(AlarmEditorTest, TheAmBoxAndTheTimeKeepToTheSameHalfOfTheDay) {
  ExpectEditor([](TF_Alarm& e) {
    UserSetsTime(15, 0);
    EXPECT_EQ(Time(), "15:0");
    e.CB_AM.SetChecked(true);
    EXPECT_EQ(Time(), "3:0 AM");
    e.CB_AM.SetChecked(false);
    EXPECT_EQ(Time(), "15:0");
    PickType(AlarmType::Countdown);
    UserSetsTime(13, 0);
    EXPECT_EQ(Time(), "1:0 AM");
    PickType(AlarmType::Time);
    UserSetsTime(12, 30);  // from noon on it is after noon
    EXPECT_EQ(Time(), "12:30");
    e.CB_AM.SetChecked(true);
    EXPECT_EQ(Time(), "0:30 AM");
    e.CB_AM.SetChecked(false);
    EXPECT_EQ(Time(), "12:30");
    Type(e.LE_Name, "noon");
    e.B_ok.Click();
  });
  Window().B_New.Click();
  EXPECT_EQ(Handler().Alarms.at(0).AM, 0);
}

TEST_F(AlarmEditorTest, ReadLocaleTimeFormatGivesTheCountdownA24HourClock) {
  // clang-format off
  const struct { const char *time, *countdown; } rows[] = {
      {"h:mm:ss tt", "H:mm:ss tt"}, {"hh:mm:ss", "HH:mm:ss"}, {"HH:mm:ss", "HH:mm:ss"},
      {"H.mm", "H.mm"}, {"tt h:mm:ss", "tt H:mm:ss"},
  };
  // clang-format on
  for (const auto& r : rows) {
    os::fake::world().locale.LongTime = r.time;
    E().ReadLocaleTimeFormat();
    EXPECT_EQ(E().CountdownTimeFormat, r.countdown) << r.time;
  }
}

// Each check of OK in its order, with its box and where the focus goes; the editor stays open.
// Rows without a box are stored: a name taken only in another case, today, later today.
TEST_F(AlarmEditorTest, OkRefusesWhatCannotBeStored) {
  os::fake::SetLocalTime({2026, 12, 6, 8, 0, 30, 0, 1});  // a second ago is in this minute
  Add(MakeAlarm("taken", kCountdown, "0:10"));
  // clang-format off
  const struct { const char* name; AlarmType type; int dateOffset, secondsAhead; bool task; const char* box; const char* focus; } rows[] = {
      {"#x",    AlarmType::Time,        0,  -1, false, "Alarm name can not begin with '#'",        "name"},
      {"taken", AlarmType::Time,        0,  -1, false, "An Alarm by that name already exists",     "name"},
      {"past",  AlarmType::DateAndTime, 0,  -1, false, "That date and/or time has already passed", ""},
      {"past",  AlarmType::Date,        -1, -1, false, "That date has already passed",             ""},
      {"task",  AlarmType::Time,        0,  -1, true,  "Select a task",                             "task"},
      {"TAKEN", AlarmType::Time,        0,  -1, false, "",                                          ""},
      {"today", AlarmType::Date,        0,  -1, false, "",                                          ""},
      {"later", AlarmType::DateAndTime, 0,  60, false, "",                                          ""},
  };
  // clang-format on
  for (const auto& r : rows) {
    ExpectEditor([&r](TF_Alarm& e) {
      Type(e.LE_Name, r.name);
      PickType(r.type);
      UserSetsDate(2026, 12, 6 + r.dateOffset);
      const int time = 8 * 3600 + 30 + r.secondsAhead;
      UserSetsTime(time / 3600, time / 60 % 60, time % 60);
      e.RB_Signal3.SetChecked(r.task);
      if (*r.box) ExpectBox(std::string("Error: ") + r.box);
      e.B_ok.SetFocus();  // as the user's click does
      e.B_ok.Click();
      EXPECT_EQ(e.ModalResult, *r.box ? ui::mrNone : ui::mrOk) << r.name;
      if (!*r.box) return;
      const std::string focus = ui::headless::FocusedHandle() == e.LE_Name.Handle()   ? "name"
                                : ui::headless::FocusedHandle() == e.CB_Task.Handle() ? "task"
                                : ui::headless::FocusedHandle() == e.B_ok.Handle()    ? ""
                                                                                      : "?";
      EXPECT_EQ(focus, r.focus) << r.box;
    });
    Window().B_New.Click();
  }
  EXPECT_EQ(Handler().Count(), 4);
  Handler().Alarms.resize(CAlarmHandler::kMaxAlarms);
  ExpectEditor([](TF_Alarm& e) {
    Type(e.LE_Name, "one more");
    ExpectBox("Error: Too many alarms");
    e.B_ok.Click();
    EXPECT_EQ(e.ModalResult, ui::mrNone);
  });
  Window().B_New.Click();
}

// What OK stores from the controls, in the user's formats; activation as the settings say.
TEST_F(AlarmEditorTest, OkStoresTheAlarmAndActivatesItWhenTheSettingsSaySo) {
  // clang-format off
  const struct { const char* name; AlarmType type; bool repeat, task; const char* record; bool active; } rows[] = {
      {"day",  AlarmType::Day,         true,  false, "06.12.2026|15:30:00|15 0 1|32 192 1 0",     false},
      {"date", AlarmType::Date,        true,  false, "07.12.2026|15:30:00|15 30 0|4 192 0 0",      true},
      {"cd",   AlarmType::Countdown,   true,  true,  "07.12.2026|03:30:00|3 30 0|1 448 1 1",       true},
      {"dt",   AlarmType::DateAndTime, false, false, "07.12.2026|15:30:00|15 30 0|2 192 0 0",      true},
  };
  // clang-format on
  for (const auto& r : rows) {
    Settings().AutoActivateNew = r.active;
    ExpectEditor([&r](TF_Alarm& e) {
      Type(e.LE_Name, r.name);
      e.CB_Repeat.SetChecked(r.repeat);
      PickType(r.type);
      UserSetsDate(2026, 12, r.type == AlarmType::Day ? 6 : 7);  // 6 December 2026 is a Sunday
      UserSetsTime(15, 30);
      e.RB_Signal3.SetChecked(r.task);
      if (r.task) e.CB_Task.SetItemIndex(0);
      e.B_ok.Click();
    });
    Window().B_New.Click();
    const CAlarm& a = Handler().Alarms.at(Handler().FindAlarm(r.name));
    const std::string record = a.DateText + "|" + a.TimeText + "|" + std::to_string(a.Hour) + " " +
                               std::to_string(a.Minute) + " " + std::to_string(a.Second) + "|" +
                               std::to_string(a.Type) + " " + std::to_string(a.Signals) + " " +
                               std::to_string(a.Repeat) + " " + std::to_string(a.AM);
    EXPECT_EQ(record, r.record) << r.name;
    EXPECT_EQ(a.IsActive(), r.active) << r.name;
  }
  EXPECT_TRUE(InStep());
  // Editing: a stopped alarm is renamed, with its tray item, and stays stopped.
  Settings().AutoActivateEdited = 0;
  Select(Window().LB_Alarms, "day");
  ExpectEditor([](TF_Alarm& e) {
    EXPECT_EQ(e.Caption() + "|" + e.CB_type.Text() + "|" + e.DatePicker.Format(),
              "Edit Alarm|Day|dddd");
    e.LE_Name.SetText("weekly");
    e.B_ok.Click();
  });
  Window().B_Edit.Click();
  EXPECT_EQ(TrayItems(), (Lines{"weekly", "+date", "+cd", "+dt"}));
}

// Line breaks typed into the name or message are stored as the blanks the file holds, so the list
// is saved in order and reads back to the same bytes; a name that differs only there is taken.
TEST_F(AlarmEditorTest, TypedLineBreaksAreStoredAsBlanksSoTheFileIsInOrder) {
  Add(MakeAlarm("b\x1F", kCountdown, "0:01"));  // after "b\r..." in byte order, before "b ..."
  const auto store = [](const char* name, bool taken) {
    ExpectEditor([=](TF_Alarm& e) {
      e.LE_Name.SetText(name);
      e.LE_Message.SetText("one\r\ntwo");
      UserSetsTime(15, 0);
      if (taken) ExpectBox("Error: An Alarm by that name already exists");
      e.B_ok.Click();
    });
    Window().B_New.Click();
  };
  store("b\rz", false);
  EXPECT_EQ(TrayItems(), (Lines{"b\x1F", "+b z"}));
  EXPECT_EQ(Handler().Alarms.at(Handler().FindAlarm("b z")).Message, "one  two");
  const std::string saved = File("alarmlist.ini");
  Restart(saved);
  ASSERT_EQ(Handler().SaveAlarms("alarmlist.ini"), 1);
  EXPECT_EQ(File("alarmlist.ini"), saved) << "read and written again, the same bytes";
  store("b\nz", true);
  EXPECT_EQ(Handler().Count(), 2);
}

// Edit loads the whole alarm, whatever the editor showed before: each signal bit ticks its own box
// and shows the message and task fields it needs; OK after a new message stores the rest back.
TEST_F(AlarmEditorTest, EditLoadsTheAlarmWholeAndOkStoresItBack) {
  Settings().AutoActivateEdited = 0;
  // clang-format off
  const struct { const char* name; std::int16_t signals, type; const char *time, *date; std::int16_t weekday, am; const char* boxes; } rows[] = {
      {"m",   kShowMessage, kDateAndTime, "15:30:00", "07.12.2026", 0, 0, "M--|10"},
      {"s",   kPlaySound,   kTimeOfDay,   "15:00:00", "06.12.2026", 0, 0, "-S-|00"},
      {"t",   kRunTask,     kDayAndTime,  "07:00:00", "08.12.2026", 3, 1, "--T|01"},  // a Tuesday
      {"all", kShowMessage | kPlaySound | kRunTask, kTimeOfDay, "07:00:00", "06.12.2026", 0, 1, "MST|11"},
  };
  // clang-format on
  for (const auto& r : rows) {
    CAlarm alarm = MakeAlarm(r.name, r.type, r.time, r.date, r.signals, 0, r.am);
    alarm.Second = static_cast<std::uint16_t>(r.weekday);
    Add(alarm);
    Select(Window().LB_Alarms, r.name);
    ExpectEditor([&r](TF_Alarm& e) {
      const std::string boxes = std::string(e.RB_Signal1.Checked() ? "M" : "-") +
                                (e.RB_Signal2.Checked() ? "S" : "-") +
                                (e.RB_Signal3.Checked() ? "T" : "-") + "|" +
                                Str(e.LE_Message.Visible()) + Str(e.CB_Task.Visible());
      EXPECT_EQ(boxes, r.boxes) << r.name;
      e.LE_Message.SetText("changed");
      e.B_ok.Click();
    });
    Window().B_Edit.Click();
    const CAlarm& a = Handler().Alarms.at(Handler().FindAlarm(r.name));
    EXPECT_EQ(a.Signals, r.signals) << r.name;
    EXPECT_EQ(
        a.DateText + " " + a.TimeText + " " + std::to_string(a.Second) + " " + std::to_string(a.AM),
        std::string(r.date) + " " + r.time + " " + std::to_string(r.weekday) + " " +
            std::to_string(r.am))
        << r.name;
  }
}

// Opened on "A": meanwhile a quick alarm fires and is dropped, the tray starts "A" and "B" is
// deleted; OK still writes "A", stopped, and everything agrees. "C" is deleted while edited.
TEST_F(AlarmEditorTest, TheEditedAlarmIsFoundAgainWhateverHappenedMeanwhile) {
  for (const char* name : {"A", "B", "C"}) Add(MakeAlarm(name, kTimeOfDay, "7:00", "06.12.2026"));
  Handler().AddQuickAlarm("0:01", "", 0, 1);
  Select(Window().LB_Alarms, "A");
  ExpectEditor([](TF_Alarm& e) {
    ui::headless::AdvanceTime(61000);
    Velmarind->M_Timer.Items(3)->Click();  // "A" on
    Handler().DeleteAlarm("B");
    e.LE_Message.SetText("changed");
    e.B_ok.Click();
  });
  Window().B_Edit.Click();
  EXPECT_TRUE(InStep());
  Select(Window().LB_Alarms, "C");
  ExpectEditor([](TF_Alarm& e) {
    Handler().DeleteAlarm("C");
    ExpectBox("Error: The alarm being edited no longer exists");
    e.B_ok.Click();
    EXPECT_EQ(e.ModalResult, ui::mrOk);
  });
  Window().B_Edit.Click();
  EXPECT_EQ(TrayItems(), Lines{"A"});
  EXPECT_EQ(Handler().Alarms.at(0).Message, "changed");
  EXPECT_TRUE(InStep());
  // An alarm whose texts cannot be read is not edited.
  Add(MakeAlarm("bad", kTimeOfDay, "7 Uhr", "06.12.2026"));
  Select(Window().LB_Alarms, "bad");
  ExpectBox("Error: '7 Uhr' is not a valid date and time");
  Window().B_Edit.Click();
}

TEST_F(AlarmEditorTest, EditFindsTheTaskIgnoringCaseAndEnterMovesOn) {
  CAlarm gone = MakeAlarm("gone", kTimeOfDay, "7:00", "06.12.2026", kRunTask);
  gone.TaskName = "missing";
  CAlarm noted = MakeAlarm("noted", kTimeOfDay, "7:00", "06.12.2026", kRunTask);
  noted.TaskName = "NOTE", noted.Repeat = 1;
  Add(gone);
  Add(noted);
  Select(Window().LB_Alarms, "noted");
  ExpectEditor([](TF_Alarm& e) {
    EXPECT_EQ(e.CB_Task.Text(), "note");
    EXPECT_FALSE(e.RB_Signal1.Checked() || e.RB_Signal2.Checked());
    EXPECT_TRUE(e.RB_Signal3.Checked() && e.CB_Repeat.Checked());
  });
  Window().B_Edit.Click();
  ExpectEditor([](TF_Alarm& e) {  // a new alarm opens fresh
    EXPECT_TRUE(e.RB_Signal1.Checked() && e.RB_Signal2.Checked());
    EXPECT_FALSE(e.RB_Signal3.Checked() || e.CB_Repeat.Checked());
  });
  Window().B_New.Click();
  Select(Window().LB_Alarms, "gone");
  ExpectBox("Information: This alarm was set to run a task that is no longer available");
  ExpectEditor([](TF_Alarm& e) {
    EXPECT_EQ(e.CB_Task.ItemIndex(), -1);
    e.RB_Signal1.SetChecked(false);
    PickType(AlarmType::Day);
    for (ui::TLabeledEdit* from : {&e.LE_Name, &e.LE_Message}) {
      ui::headless::Type(*from, "\r");
      EXPECT_NE(ui::headless::FocusedHandle(), e.TimePicker.Handle()) << "hidden or unusable";
    }
    PickType(AlarmType::Time);
    Type(e.LE_Name, "\r");
    EXPECT_EQ(ui::headless::FocusedHandle(), e.TimePicker.Handle());
    Type(e.TimePicker, "\r");
    EXPECT_EQ(ui::headless::FocusedHandle(), e.B_ok.Handle());
  });
  Window().B_Edit.Click();
}

}  // namespace
