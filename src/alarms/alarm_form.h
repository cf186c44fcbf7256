// The alarm editor: a new alarm, or a change to a non-active one, stored on OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/checkbox.h"
#include "ui/control.h"
#include "ui/datetime_picker.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"

class CAlarm;
struct AlarmTypeInfo;

class TF_Alarm : public ui::TForm {
 public:
  // Reads the countdown display format from the locale.
  TF_Alarm();

  ui::TLabeledEdit LE_Name;
  ui::TLabel L_type;
  ui::TComboBox CB_type;  // the rows of the alarm type table, in order
  ui::TLabel L_time;
  ui::TDateTimePicker TimePicker;
  ui::TCheckBox CB_AM;  // checked: the time lies before noon
  ui::TGroupBox GB_Signal;
  ui::TCheckBox RB_Signal2;
  ui::TCheckBox RB_Signal1;
  ui::TCheckBox RB_Signal3;
  ui::TLabel L_DateOrDay;
  ui::TDateTimePicker DatePicker;
  ui::TCheckBox CB_Repeat;
  ui::TLabeledEdit LE_Message;
  ui::TLabel L_Task;
  ui::TComboBox CB_Task;
  ui::TButton B_ok;
  ui::TButton B_cancel;

  // 0 OK adds a new alarm, 1 it changes the alarm EditId names. The alarm is
  // held by its identity in the list, not by its place: while the editor is
  // open the list is sorted, and quick alarms are dropped from it.
  int EditMode = 0;
  std::uint64_t EditId = 0;
  // The user's time format with a 24-hour hour: the countdown's display.
  std::string CountdownTimeFormat;

  // Clears the editor for a new alarm.
  void ResetForNewAlarm();
  // Fills the editor from a non-active alarm, in edit mode; false, after an
  // "Error" box, when its date or time text cannot be read.
  bool LoadAlarm(const CAlarm& alarm);
  // Usable, visible and formatted controls for the chosen type and signals.
  void UpdateEditorLayout();
  void ApplyEditorLayout(std::uint16_t mask);
  // Moves the time by 12 hours into the half of the day CB_AM states.
  void ApplyAmFlag();
  // Sets CB_AM from the time; a countdown of 12 hours or more loses 12.
  void SyncAmFlag();
  void ReadLocaleTimeFormat();

  void B_okClick(ui::TObject* sender);
  void B_cancelClick(ui::TObject* sender);
  void LE_NameChange(ui::TObject* sender);
  void CB_typeChange(ui::TObject* sender);
  void TimePickerChange(ui::TObject* sender);
  void CB_AMClick(ui::TObject* sender);
  void RB_Signal1Click(ui::TObject* sender);
  void RB_Signal2Click(ui::TObject* sender);
  void RB_Signal3Click(ui::TObject* sender);

 private:
  void WireEvents();
  void FormShow(ui::TObject* sender);
  // The bits of CAlarm::Signals the signal boxes tick.
  std::int16_t CheckedSignals() const;
  bool AnySignal() const;
  // The type list's row; the first while none is chosen.
  const AlarmTypeInfo& ChosenType() const;
  // The five checks of OK, in order; false after the first box.
  bool InputIsValid();
  // The alarm the controls describe.
  CAlarm AlarmFromControls() const;
  // Stores it as a new alarm or over the edited one; false to stay open.
  bool StoreAlarm();

  // The edited alarm's task, when it runs one: selected when the editor shows.
  std::optional<std::string> editTaskName_;
};

extern TF_Alarm* F_Alarm;
