#include "alarms/alarm_form.h"

TF_Alarm* F_Alarm = nullptr;

namespace {

ui::TFormParams AlarmParams() {
  ui::TFormParams params;
  params.ClassName = "TF_Alarm";
  params.Caption = "Alarm - Velmarind";
  params.ClientWidth = 300;
  params.ClientHeight = 300;
  return params;
}

}  // namespace

TF_Alarm::TF_Alarm() : ui::TForm(AlarmParams()) {
  Name = "F_Alarm";
}
