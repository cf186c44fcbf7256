// The settings dialog. It holds the settings record; closing it stores the
// record in settings.ini and applies the tray menu options.
#pragma once

#include "settings/settings_record.h"
#include "ui/form.h"

class TF_Settings : public ui::TForm {
 public:
  TF_Settings();

 private:
  // Runs before the record loads, which may already show this dialog.
  bool WireEvents();
  const bool eventsWired_ = WireEvents();

 public:
  // Declared last: loading it may show this dialog, which needs the rest built.
  CSettings Settings;

  // The record to the tray menus: second-menu visibility, web-command
  // captions and whether the right button opens a menu.
  void SettingsToControls();
  // Fills the dialog and shows it modally; returns once it is closed.
  void ShowSettingsModal();
  // Registers or removes the memo hotkey from the record; 1 when the record
  // describes the hotkey's state, 0 when the registration was refused.
  int SetMemoHotkey(bool showMessage);
  // Key index of the memo hotkey list (1..62) to its virtual key; else -1.
  static int KeyIndexToVirtualKey(int index);

 private:
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
};

extern TF_Settings* F_Settings;
