// The settings dialog. It holds the settings record; closing it checks the
// input, stores the controls in the record and settings.ini and applies the
// tray menu options.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_record.h"
#include "ui/checkbox.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/open_dialog.h"
#include "ui/page_control.h"
#include "ui/trackbar.h"

class TF_Settings : public ui::TForm {
 public:
  TF_Settings();

  // The pages, in the order of their tabs.
  enum PageIndex { kMainPage, kMemoPage, kMenuPage, kExtra1Page, kExtra2Page, kExtra3Page };

  ui::TPageControl PC_settings;
  ui::TTabSheet TS_programsettings;
  ui::TTabSheet TS_memo;
  ui::TTabSheet TS_menu;
  ui::TTabSheet TS_extra;
  ui::TTabSheet TS_extra2;
  ui::TTabSheet TS_extra3;

  // "Main"
  ui::TLabeledEdit LE_Sound;
  ui::TButton B_Play;
  ui::TLabeledEdit LE_Delay;
  ui::TLabeledEdit LE_Repeat;
  ui::TLabeledEdit LE_Browser;
  ui::TButton B_add;
  ui::TButton B_remove;
  ui::TButton B_default;

  // "Memo"
  ui::TLabel L_HVPos;
  ui::TEdit E_x;
  ui::TEdit E_y;
  ui::TLabel L_HVSize;
  ui::TEdit E_sizex;
  ui::TEdit E_sizey;
  ui::TCheckBox CB_lastknown;
  ui::TLabel L_hotkey;
  ui::TComboBox LB_mod;
  ui::TComboBox LB_button;
  ui::TButton B_set;
  ui::TLabeledEdit LE_divisor;
  ui::TGroupBox GB_Misc;
  ui::TCheckBox CB_saveurls;
  ui::TCheckBox CB_trans;
  ui::TTrackBar TB_transvalue;

  // "Menu"
  ui::TGroupBox GB_tray;
  ui::TCheckBox CB_alarmmessages;
  ui::TCheckBox CB_add_alarm;
  ui::TCheckBox CB_add_memo;
  ui::TCheckBox CB_special1;
  ui::TCheckBox CB_special2;
  ui::TCheckBox CB_special3;
  ui::TCheckBox CB_open_browser;

  // "Extra 1"
  ui::TCheckBox CB_movemouse;
  ui::TCheckBox CB_no_message;
  ui::TCheckBox CB_no_sounds;
  ui::TCheckBox CB_no_execute;
  ui::TGroupBox GB_resinfo;
  ui::TEdit E_resx;
  ui::TLabel L_by;
  ui::TEdit E_resy;
  ui::TButton B_getres;
  ui::TCheckBox CB_res_messages;
  ui::TCheckBox CB_res_tasks;
  ui::TCheckBox CB_res_sounds;

  // "Extra 2"
  ui::TLabel L_positionalarmmessage;
  ui::TComboBox CB_pos;
  ui::TGroupBox GB_aa;
  ui::TCheckBox CB_aaNew;
  ui::TCheckBox CB_aaEdit;
  ui::TLabeledEdit LE_autoclose;
  ui::TLabeledEdit LE_conf_sound;
  ui::TLabel L_language;
  ui::TComboBox CB_language;
  ui::TButton B_load;

  // "Extra 3"
  ui::TGroupBox GB_webcommands;
  ui::TLabel L_name;
  ui::TLabel L_command;
  ui::TEdit E_f2_name;
  ui::TEdit E_f2;
  ui::TEdit E_f3_name;
  ui::TEdit E_f3;
  ui::TEdit E_f4_name;
  ui::TEdit E_f4;
  ui::TGroupBox GB_filters;
  ui::TLabel L_onadd;
  ui::TLabel L_f7;
  ui::TEdit E_filter1;
  ui::TCheckBox CB_filter1;
  ui::TLabel L_f8;
  ui::TEdit E_filter2;
  ui::TCheckBox CB_filter2;
  ui::TLabel L_f9;
  ui::TEdit E_filter3;
  ui::TCheckBox CB_filter3;

  ui::TOpenDialog OD_sound;

  CSettings Settings;

  // The record to the controls, the tray menus' items and captions.
  void SettingsToControls();
  // The translation files (settings_language.cpp). At start-up, once every
  // window exists: the chosen file; a file that cannot be loaded is
  // forgotten. Loading: 1 when every slot was set, 0 after an "Error" box
  // (nothing changed).
  void ApplyStartupLanguage();
  int LoadLanguageFile(const std::string& fileName);
  // "Default" and the program folder's translation files; the chosen one selected.
  void FillLanguageList();
  void B_loadClick(ui::TObject* sender);
  // Fills the dialog and shows it modally; returns once it is closed.
  void ShowSettingsModal();
  // The memo window's place and size from the record into their boxes.
  void MemoGeometryToControls();
  // Registers or removes the memo hotkey from the record; 1 when the record
  // describes the hotkey's state, 0 when the registration was refused.
  int SetMemoHotkey(bool showMessage);
  // Key index of the memo hotkey list (1..62) to its virtual key; else -1.
  static int KeyIndexToVirtualKey(int index);
  // Writes or deletes the autostart value under the Run key of the local
  // machine (localMachine) or the current user; 1 on success, else 0.
  static int AddToAutostart(const std::string& name, const std::string& path, bool localMachine);
  static int RemoveFromAutostart(const std::string& name, bool localMachine);

  void B_PlayClick(ui::TObject* sender);
  void B_defaultClick(ui::TObject* sender);
  void B_getresClick(ui::TObject* sender);
  void B_addClick(ui::TObject* sender);
  void B_removeClick(ui::TObject* sender);
  void B_setClick(ui::TObject* sender);
  void CB_lastknownClick(ui::TObject* sender);
  void CB_transClick(ui::TObject* sender);
  void TB_transvalueChange(ui::TObject* sender);
  void LE_SoundSubLabelClick(ui::TObject* sender);
  void LE_conf_soundSubLabelClick(ui::TObject* sender);

 private:
  // Loading a file waits until start-up has made every window.
  bool languagesReady_ = false;

  void WireEvents();
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);

  // Each check box with the flag of the record it stands for.
  std::vector<std::pair<ui::TCheckBox*, int CSettings::*>> FlagBoxes();
  std::vector<ui::TCheckBox*> MenuBoxes();
  bool AnyMenuBoxTicked();
  void TextsToControls(const CSettings& s);
  void SelectMemoHotkey(const CSettings& s);
  void EnableGeometryBoxes();
  void ApplyTrayMenuOptions();
  void SetMemoAlpha(bool translucent);
  // The steps of closing; false when the window must stay open.
  bool StoreControls();
  bool NumbersAreValid();
  void ApplyResolutionBoxes();
  // The name a sound box stores; nullopt, after the message, when its file is missing.
  std::optional<std::string> SoundFileToStore(ui::TLabeledEdit& edit, int page);
  void StoreNumbers();
  void StoreTexts();
  // Shows a fault of one field: its page, the message, the focus.
  void ShowFieldError(ui::TControl& field, int page, const std::string& message);
  void ChooseSound(ui::TLabeledEdit& edit);
};

extern TF_Settings* F_Settings;
