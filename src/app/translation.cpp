#include "app/translation.h"

#include <initializer_list>

#include "alarms/alarm_form.h"
#include "alarms/alarm_handler_form.h"
#include "app/main_form.h"
#include "hotkeys/hotkey_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "settings/about.h"
#include "settings/settings_form.h"
#include "settings/show_message.h"
#include "tasks/task_form.h"
#include "tasks/task_handler_form.h"

namespace app {
namespace {

// clang-format off
constexpr TranslationTarget kTargets[] = {
    {0, "Velmarind", "M_Settings"},
    {1, "Velmarind", "M_About"},
    {2, "Velmarind", "M_Clipboard"},
    {3, "Velmarind", "M_AddToMemo"},
    {3, "Velmarind", "M_addclipboard"},
    {4, "Velmarind", "M_Clipboard1"},
    {4, "Velmarind", "M_Clipboard2"},
    {4, "Velmarind", "M_Clipboard3"},
    {6, "Velmarind", "M_Timer"},
    {7, "F_AlarmHandler", "B_Activate"},
    {8, "F_AlarmHandler", "B_Stop"},
    {9, "F_Alarm", "L_time"},
    {10, "F_Alarm", "L_DateOrDay"},
    {11, "F_Alarm", "L_type"},
    {12, "F_Alarm", "GB_Signal"},
    {13, "F_Alarm", "RB_Signal2"},
    {14, "F_Alarm", "RB_Signal1"},
    {15, "F_Alarm", "RB_Signal3"},
    {16, "F_Alarm", "CB_Repeat"},
    {17, "F_Alarm", "LE_Message"},
    {18, "F_AlarmHandler", "L_ActiveAlarms"},
    {19, "F_AlarmHandler", "L_NonActiveAlarms"},
    {20, "Velmarind", "M_Run"},
    {21, "F_Alarm", "L_Task"},
    {22, "F_TaskHandler", "B_Execute"},
    {23, "F_Hotkey", "L_hotkey"},
    {24, "Velmarind", "M_Hotkeys"},
    {25, "F_HotkeyHandler", "B_disable"},
    {26, "F_HotkeyHandler", "B_enable"},
    {27, "F_Hotkey", "L_hotkeyfunction"},
    {29, "F_Hotkey", "LE_extra"},
    {30, "Velmarind", "M_enable"},
    {31, "Velmarind", "M_disable"},
    {32, "F_HotkeyHandler", "L_enabledhotkeys"},
    {33, "F_HotkeyHandler", "L_disabledhotkeys"},
    {34, "Velmarind", "M_Memo"},
    {34, "F_Settings", "TS_memo"},
    {35, "F_Memo", "B_Copy"},
    {36, "F_Memo", "B_Paste"},
    {37, "F_Memo", "B_delete"},
    {38, "F_Alarm", "LE_Name"},
    {38, "F_Task", "LE_Name"},
    {38, "F_Hotkey", "LE_name"},
    {38, "F_Settings", "L_name"},
    {39, "F_Alarm", "B_ok"},
    {39, "F_Task", "B_Ok"},
    {39, "F_Hotkey", "B_ok"},
    {39, "F_About", "B_ok"},
    {40, "F_Alarm", "B_cancel"},
    {40, "F_Task", "B_Cancel"},
    {40, "F_Hotkey", "B_cancel"},
    {41, "Velmarind", "M_Quit"},
    {41, "F_AlarmHandler", "B_Close"},
    {41, "F_TaskHandler", "B_Close"},
    {41, "F_HotkeyHandler", "B_close"},
    {41, "F_Memo", "B_Close"},
    {41, "F_ShowMessage", "B_Ok"},
    {42, "F_AlarmHandler", "B_New"},
    {42, "F_TaskHandler", "B_New"},
    {42, "F_HotkeyHandler", "B_new"},
    {43, "F_AlarmHandler", "B_Edit"},
    {43, "F_TaskHandler", "B_Edit"},
    {43, "F_HotkeyHandler", "B_edit"},
    {44, "F_AlarmHandler", "B_Delete"},
    {44, "F_TaskHandler", "B_Delete"},
    {44, "F_HotkeyHandler", "B_delete"},
    {45, "F_ShowMessage", "B_Clear"},
    {46, "Velmarind", "M_Edit"},
    {46, "Velmarind", "M_TimerEdit"},
    {46, "Velmarind", "M_HotkeyEdit"},
    {47, "Velmarind", "M_MainOpenInBrowser"},
    {47, "Velmarind", "M_openinbrowser"},
    {48, "F_Settings", "LE_Sound"},
    {49, "F_Settings", "B_Play"},
    {50, "F_Settings", "LE_Delay"},
    {51, "F_Settings", "LE_Repeat"},
    {52, "F_Settings", "LE_Browser"},
    {53, "F_Settings", "B_add"},
    {54, "F_Settings", "B_remove"},
    {55, "F_Settings", "L_HVPos"},
    {56, "F_Settings", "L_HVSize"},
    {57, "F_Settings", "CB_lastknown"},
    {58, "F_Settings", "L_hotkey"},
    {59, "F_Settings", "B_load"},
    {60, "F_Settings", "LE_divisor"},
    {61, "F_Settings", "CB_saveurls"},
    {62, "F_Settings", "CB_alarmmessages"},
    {63, "F_Settings", "CB_add_alarm"},
    {64, "F_Settings", "CB_add_memo"},
    {65, "F_Settings", "CB_special1"},
    {66, "F_Settings", "CB_special2"},
    {67, "F_Settings", "CB_special3"},
    {68, "F_Settings", "CB_open_browser"},
    {69, "F_Settings", "CB_movemouse"},
    {70, "F_Settings", "CB_no_message"},
    {71, "F_Settings", "CB_no_sounds"},
    {72, "F_Settings", "CB_no_execute"},
    {74, "F_Settings", "L_command"},
    {75, "F_Settings", "GB_resinfo"},
    {76, "F_Settings", "B_getres"},
    {77, "F_Settings", "L_positionalarmmessage"},
    {78, "F_Settings", "L_language"},
    {79, "F_Settings", "B_set"},
    {80, "F_Settings", "GB_tray"},
    {81, "F_ShowMessage", "L_donate"},
    {81, "F_About", "L_donate"},
    {82, "Velmarind", "M_mainalarmmessages"},
    {82, "Velmarind", "M_alarmmessages"},
    {83, "F_Settings", "TS_programsettings"},
    {84, "F_Settings", "TS_menu"},
    {85, "F_Settings", "TS_extra"},
    {86, "F_Settings", "TS_extra2"},
    {87, "F_Settings", "GB_Misc"},
    {88, "F_Settings", "CB_trans"},
    {89, "F_Settings", "GB_aa"},
    {90, "F_Settings", "CB_aaNew"},
    {91, "F_Settings", "CB_aaEdit"},
    {92, "CSettings", "DefaultMessage"},
};
// clang-format on

}  // namespace

ui::TForm* WindowNamed(const std::string& name) {
  for (ui::TForm* form : std::initializer_list<ui::TForm*>{
           Velmarind, F_Settings, F_Task, F_TaskHandler, F_AlarmHandler, F_Alarm, F_About,
           F_HotkeyHandler, F_Hotkey, F_Memo, F_ShowMessage})
    if (form && form->Name == name) return form;
  return nullptr;
}

std::span<const TranslationTarget> TranslationTargets() {
  return kTargets;
}

void ApplyTranslation(const std::vector<std::string>& texts) {
  for (const TranslationTarget& target : kTargets) {
    const std::string& text = texts.at(static_cast<std::size_t>(target.slot));
    if (std::string(target.window) == "CSettings") {
      if (F_Settings) F_Settings->Settings.DefaultMessage = text;
    } else if (ui::TForm* window = WindowNamed(target.window)) {
      if (ui::TComponent* component = window->FindComponent(target.component))
        component->SetCaption(text);
    }
  }
}

}  // namespace app
