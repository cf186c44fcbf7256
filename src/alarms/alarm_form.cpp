#include "alarms/alarm_form.h"

TF_Alarm* F_Alarm = nullptr;

TF_Alarm::TF_Alarm()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Alarm",
                                .Caption = "Alarm - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
  Name = "F_Alarm";
}
