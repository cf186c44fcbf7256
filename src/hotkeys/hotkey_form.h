// The hotkey editor: a new hotkey, or a change to a disabled one, stored on OK.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"

class CHotkey;

class TF_Hotkey : public ui::TForm {
 public:
  // The last window made at start-up: it ends by applying the chosen
  // translation to every window.
  TF_Hotkey();

  ui::TLabeledEdit LE_name;
  ui::TLabel L_hotkey;
  ui::TComboBox CB_mod;
  ui::TLabel L_plus;
  ui::TComboBox CB_key;
  ui::TLabel L_hotkeyfunction;
  ui::TComboBox CB_function;
  ui::TLabel L_function;
  ui::TListBox LB_functions;  // the tasks, alarms or extra functions to choose from
  ui::TLabeledEdit LE_extra;
  ui::TButton B_ok;
  ui::TButton B_cancel;

  // 0 OK adds a new hotkey, 1 it changes the hotkey whose Id is EditId. The
  // hotkey is held by its id, not by its place: every save sorts the list.
  int EditMode = 0;
  int EditId = 0;

  // Clears the editor for a new hotkey.
  void ResetForNewHotkey();
  // Fills the editor from a disabled hotkey, in edit mode.
  void LoadHotkey(const CHotkey& hotkey);
  // The tasks, the alarms or the extra functions, as the function chosen
  // asks; no choice made.
  void FillFunctionList();
  // Chooses the entry equal to the text, when there is one.
  void SelectFunction(const std::string& text);

  void LE_nameChange(ui::TObject* sender);
  void CB_functionChange(ui::TObject* sender);
  void B_okClick(ui::TObject* sender);
  void B_cancelClick(ui::TObject* sender);

 private:
  void FormShow(ui::TObject* sender);
  // Stores the editor's hotkey; false to stay open.
  bool StoreHotkey();
  // Sets what the editor shows (its name already made one line); the id,
  // the state and the tray item stay.
  void ControlsToHotkey(CHotkey& hotkey, const std::string& name) const;
};

extern TF_Hotkey* F_Hotkey;
