// The settings dialog's controls: where they sit, their limits and events.
#include "common/key_table.h"
#include "settings/settings_form.h"

namespace {

constexpr ui::TAnchors kTopLeft = ui::akLeft | ui::akTop;

ui::TControlPlace On(ui::TTabSheet& page, int left, int top, int width, int height,
                     int tabOrder = -1) {
  return {{left, top, width, height}, kTopLeft, tabOrder, &page};
}

// A check box row of a page.
ui::TControlPlace Box(ui::TTabSheet& page, int left, int top, int tabOrder) {
  return On(page, left, top, 250 - left, 17, tabOrder);
}

std::vector<std::string> HotkeyKeyItems() {
  std::vector<std::string> items{"NONE"};
  const auto& names = common::KeyNames();
  items.insert(items.end(), names.begin(), names.end());
  return items;
}

}  // namespace

TF_Settings::TF_Settings()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Settings",
                                .Caption = "Settings - Velmarind",
                                .ClientWidth = 283,
                                .ClientHeight = 325,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .MinimizeBox = false,
                                .MaximizeBox = false}),
      PC_settings(*this, {{1, 2, 281, 322}}),
      TS_programsettings(PC_settings, "Main"),
      TS_memo(PC_settings, "Memo"),
      TS_menu(PC_settings, "Menu"),
      TS_extra(PC_settings, "Extra 1"),
      TS_extra2(PC_settings, "Extra 2"),
      TS_extra3(PC_settings, "Extra 3"),
      LE_Sound(*this, "Alarm Signal", On(TS_programsettings, 12, 56, 190, 21, 0), 255),
      B_Play(*this, "&Play", On(TS_programsettings, 208, 55, 62, 23, 1)),
      LE_Delay(*this, "Delay between alarm signal", On(TS_programsettings, 12, 98, 160, 21, 2), 2),
      LE_Repeat(*this, "Repeat alarm signal", On(TS_programsettings, 12, 140, 160, 21, 3), 4),
      LE_Browser(*this, "Web Browser", On(TS_programsettings, 12, 182, 258, 21, 4), 255),
      B_add(*this, "&Add To Autostart", On(TS_programsettings, 12, 216, 258, 25, 5)),
      B_remove(*this, "&Remove From Autostart", On(TS_programsettings, 12, 246, 258, 25, 6)),
      B_default(*this, "Default Settings", On(TS_programsettings, 12, 284, 258, 25, 7)),
      L_HVPos(*this, "Horizontal/Vertical Position", On(TS_memo, 12, 40, 258, 13)),
      E_x(*this, On(TS_memo, 12, 56, 60, 21, 10), 6),
      E_y(*this, On(TS_memo, 78, 56, 60, 21, 11), 6),
      L_HVSize(*this, "Horizontal/Vertical Size", On(TS_memo, 12, 82, 258, 13)),
      E_sizex(*this, On(TS_memo, 12, 98, 60, 21, 12), 6),
      E_sizey(*this, On(TS_memo, 78, 98, 60, 21, 13), 6),
      CB_lastknown(*this, "Use last known size and position", Box(TS_memo, 12, 126, 14)),
      L_hotkey(*this, "Global hotkey", On(TS_memo, 12, 150, 258, 13)),
      LB_mod(*this, On(TS_memo, 12, 166, 70, 21, 15), {"NONE", "WIN", "ALT", "SHIFT", "CTRL"}),
      LB_button(*this, On(TS_memo, 88, 166, 130, 21, 16), HotkeyKeyItems()),
      B_set(*this, "Set", On(TS_memo, 224, 165, 46, 23, 17)),
      LE_divisor(*this, "Separator", On(TS_memo, 12, 212, 258, 21, 18), 64),
      GB_Misc(*this, "Misc", On(TS_memo, 6, 236, 270, 82)),
      CB_saveurls(*this, "Save opened URLs", Box(TS_memo, 14, 252, 19)),
      CB_trans(*this, "Transparent", Box(TS_memo, 14, 272, 20)),
      TB_transvalue(*this, On(TS_memo, 14, 290, 256, 26, 21), 0, 16),
      GB_tray(*this, "Tray right mouse button menu", On(TS_menu, 12, 40, 258, 186)),
      CB_alarmmessages(*this, "Show \"Alarm Messages\"", Box(TS_menu, 24, 60, 30)),
      CB_add_alarm(*this, "Show \"New Alarm\"", Box(TS_menu, 24, 82, 31)),
      CB_add_memo(*this, "Show \"Add To Memo\"", Box(TS_menu, 24, 104, 32)),
      CB_special1(*this, "Show \"Web Command 1\"", Box(TS_menu, 24, 126, 33)),
      CB_special2(*this, "Show \"Web Command 2\"", Box(TS_menu, 24, 148, 34)),
      CB_special3(*this, "Show \"Web Command 3\"", Box(TS_menu, 24, 170, 35)),
      CB_open_browser(*this, "Show \"Open In Browser\"", Box(TS_menu, 24, 192, 36)),
      CB_movemouse(*this, "Stop alarm signal on mouse move", Box(TS_extra, 12, 40, 40)),
      CB_no_message(*this, "Don't display messages", Box(TS_extra, 12, 62, 41)),
      CB_no_sounds(*this, "Don't play any sounds", Box(TS_extra, 12, 84, 42)),
      CB_no_execute(*this, "Don't execute any tasks", Box(TS_extra, 12, 106, 43)),
      GB_resinfo(*this, "Only when resolution is", On(TS_extra, 12, 134, 258, 124)),
      E_resx(*this, On(TS_extra, 24, 154, 50, 21, 44), 4),
      L_by(*this, "x", On(TS_extra, 80, 158, 10, 13)),
      E_resy(*this, On(TS_extra, 92, 154, 50, 21, 45), 4),
      B_getres(*this, "Get current", On(TS_extra, 160, 153, 98, 23, 46)),
      CB_res_messages(*this, "Messages", Box(TS_extra, 24, 186, 47)),
      CB_res_tasks(*this, "Tasks", Box(TS_extra, 24, 208, 48)),
      CB_res_sounds(*this, "Sounds", Box(TS_extra, 24, 230, 49)),
      L_positionalarmmessage(*this, "Position of Alarm Messages", On(TS_extra2, 12, 40, 258, 13)),
      CB_pos(*this, On(TS_extra2, 12, 56, 258, 21, 50),
             {"Center of Screen", "Top Left", "Top Right", "Bottom Left", "Bottom Right"}),
      GB_aa(*this, "Automatically Activate", On(TS_extra2, 12, 88, 258, 68)),
      CB_aaNew(*this, "New Alarms", Box(TS_extra2, 24, 108, 51)),
      CB_aaEdit(*this, "Edited Alarms", Box(TS_extra2, 24, 130, 52)),
      LE_autoclose(*this, "Autoclose Message Window", On(TS_extra2, 12, 184, 160, 21, 53), 4),
      LE_conf_sound(*this, "Confirmation Sound", On(TS_extra2, 12, 228, 258, 21, 54)),
      L_language(*this, "Language", On(TS_extra2, 12, 260, 258, 13)),
      CB_language(*this, On(TS_extra2, 12, 276, 170, 21, 55), {}),
      B_load(*this, "Load", On(TS_extra2, 190, 275, 80, 23, 56)),
      GB_webcommands(*this, "Web Commands", On(TS_extra3, 12, 36, 258, 118)),
      L_name(*this, "Name", On(TS_extra3, 24, 54, 80, 13)),
      L_command(*this, "Command", On(TS_extra3, 110, 54, 148, 13)),
      E_f2_name(*this, On(TS_extra3, 24, 70, 80, 21, 60), 64),
      E_f2(*this, On(TS_extra3, 110, 70, 148, 21, 61), 255),
      E_f3_name(*this, On(TS_extra3, 24, 96, 80, 21, 62), 64),
      E_f3(*this, On(TS_extra3, 110, 96, 148, 21, 63), 255),
      E_f4_name(*this, On(TS_extra3, 24, 122, 80, 21, 64), 64),
      E_f4(*this, On(TS_extra3, 110, 122, 148, 21, 65), 255),
      GB_filters(*this, "Filters", On(TS_extra3, 12, 162, 258, 120)),
      L_onadd(*this, "On Add To Memo", On(TS_extra3, 170, 180, 90, 13)),
      L_f7(*this, "F7", On(TS_extra3, 24, 200, 20, 13)),
      E_filter1(*this, On(TS_extra3, 48, 196, 180, 21, 66)),
      CB_filter1(*this, "", On(TS_extra3, 238, 198, 17, 17, 67)),
      L_f8(*this, "F8", On(TS_extra3, 24, 226, 20, 13)),
      E_filter2(*this, On(TS_extra3, 48, 222, 180, 21, 68)),
      CB_filter2(*this, "", On(TS_extra3, 238, 224, 17, 17, 69)),
      L_f9(*this, "F9", On(TS_extra3, 24, 252, 20, 13)),
      E_filter3(*this, On(TS_extra3, 48, 248, 180, 21, 70)),
      CB_filter3(*this, "", On(TS_extra3, 238, 250, 17, 17, 71)),
      OD_sound("Velmarind - Select Alarm Signal", "Sounds (*.wav)|*.wav") {
  Name = "F_Settings";
  // The names the translation files use.
  NameComponents({{&B_Play, "B_Play"},
                  {&B_add, "B_add"},
                  {&B_getres, "B_getres"},
                  {&B_load, "B_load"},
                  {&B_remove, "B_remove"},
                  {&B_set, "B_set"},
                  {&CB_aaEdit, "CB_aaEdit"},
                  {&CB_aaNew, "CB_aaNew"},
                  {&CB_add_alarm, "CB_add_alarm"},
                  {&CB_add_memo, "CB_add_memo"},
                  {&CB_alarmmessages, "CB_alarmmessages"},
                  {&CB_lastknown, "CB_lastknown"},
                  {&CB_movemouse, "CB_movemouse"},
                  {&CB_no_execute, "CB_no_execute"},
                  {&CB_no_message, "CB_no_message"},
                  {&CB_no_sounds, "CB_no_sounds"},
                  {&CB_open_browser, "CB_open_browser"},
                  {&CB_saveurls, "CB_saveurls"},
                  {&CB_special1, "CB_special1"},
                  {&CB_special2, "CB_special2"},
                  {&CB_special3, "CB_special3"},
                  {&CB_trans, "CB_trans"},
                  {&GB_Misc, "GB_Misc"},
                  {&GB_aa, "GB_aa"},
                  {&GB_resinfo, "GB_resinfo"},
                  {&GB_tray, "GB_tray"},
                  {&LE_Browser, "LE_Browser"},
                  {&LE_Delay, "LE_Delay"},
                  {&LE_Repeat, "LE_Repeat"},
                  {&LE_Sound, "LE_Sound"},
                  {&LE_divisor, "LE_divisor"},
                  {&L_HVPos, "L_HVPos"},
                  {&L_HVSize, "L_HVSize"},
                  {&L_command, "L_command"},
                  {&L_hotkey, "L_hotkey"},
                  {&L_language, "L_language"},
                  {&L_name, "L_name"},
                  {&L_positionalarmmessage, "L_positionalarmmessage"},
                  {&TS_extra, "TS_extra"},
                  {&TS_extra2, "TS_extra2"},
                  {&TS_memo, "TS_memo"},
                  {&TS_menu, "TS_menu"},
                  {&TS_programsettings, "TS_programsettings"}});
  WireEvents();
}

void TF_Settings::WireEvents() {
  for (ui::TEdit* edit :
       {static_cast<ui::TEdit*>(&LE_Delay), static_cast<ui::TEdit*>(&LE_Repeat), &E_x, &E_y,
        &E_sizex, &E_sizey, &E_resx, &E_resy, static_cast<ui::TEdit*>(&LE_autoclose)})
    edit->SetNumbersOnly(true);
  LE_Repeat.SetHint("Play alarm signal this number of times");
  LE_Browser.SetHint("Use this web browser to open links, empty for default");
  LE_divisor.SetHint("This text will be added to the memo when you use \"Add to memo\"");
  CB_saveurls.SetHint("Save url's to the memo that you open using \"Open in browser\"");
  B_load.SetEnabled(false);  // until start-up has made every window
  LE_Sound.EditLabel.MakeLink();
  LE_conf_sound.EditLabel.MakeLink();
  CB_pos.SetItemIndex(0);
  OnShow = ui::Handler(this, &TF_Settings::FormShow);
  OnClose = ui::Handler(this, &TF_Settings::FormClose);
  B_Play.OnClick = ui::Handler(this, &TF_Settings::B_PlayClick);
  B_default.OnClick = ui::Handler(this, &TF_Settings::B_defaultClick);
  B_getres.OnClick = ui::Handler(this, &TF_Settings::B_getresClick);
  B_add.OnClick = ui::Handler(this, &TF_Settings::B_addClick);
  B_remove.OnClick = ui::Handler(this, &TF_Settings::B_removeClick);
  B_set.OnClick = ui::Handler(this, &TF_Settings::B_setClick);
  CB_lastknown.OnClick = ui::Handler(this, &TF_Settings::CB_lastknownClick);
  CB_trans.OnClick = ui::Handler(this, &TF_Settings::CB_transClick);
  TB_transvalue.OnChange = ui::Handler(this, &TF_Settings::TB_transvalueChange);
  LE_Sound.EditLabel.OnClick = ui::Handler(this, &TF_Settings::LE_SoundSubLabelClick);
  LE_conf_sound.EditLabel.OnClick = ui::Handler(this, &TF_Settings::LE_conf_soundSubLabelClick);
  B_load.OnClick = ui::Handler(this, &TF_Settings::B_loadClick);
}
