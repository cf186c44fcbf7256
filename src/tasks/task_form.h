// The task editor: a new task, or a change to one, stored on OK.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/open_dialog.h"

class CTask;

class TF_Task : public ui::TForm {
 public:
  TF_Task();

  ui::TLabeledEdit LE_Name;
  ui::TLabeledEdit LE_File;
  ui::TLabeledEdit LE_Directory;
  ui::TLabeledEdit LE_Parameters;
  ui::TLabeledEdit LE_Comment;
  ui::TLabel L_Operation;
  ui::TComboBox CB_Operation;
  ui::TLabel L_Showcommand;
  ui::TComboBox CB_Showcommand;
  ui::TLabel L_Help;
  ui::TButton B_Ok;
  ui::TButton B_Cancel;
  ui::TOpenDialog OD_Browse;

  // 0 new task, 1 changing the task named EditName. The task is held by its
  // name: the list may change while the editor is open.
  int Mode = 0;
  std::string EditName;
  // The "File / Command" label opens the file dialog.
  bool BrowseAllowed = true;
  // The operation stored on OK: the chosen item's text, or the edited task's
  // own when it is none of the items and the user picked no other.
  std::string OperationText;

  // Clears the editor for a new task.
  void ResetTaskEditor();
  // Fills the editor from a task, in edit mode.
  void LoadTask(const CTask& task);
  // Labels, usable fields, browsing and the show command of the chosen operation.
  void ApplyOperationLayout();
  // Splits a path after its last backslash (the final character not
  // counting); without one the whole path is the file name.
  static void SplitPath(const std::string& path, std::string& fileName, std::string& directory);

  void LE_NameChange(ui::TObject* sender);
  void CB_OperationChange(ui::TObject* sender);
  void CB_ShowcommandChange(ui::TObject* sender);
  void LE_FileSubLabelClick(ui::TObject* sender);
  void B_OkClick(ui::TObject* sender);
  void B_CancelClick(ui::TObject* sender);

 private:
  void WireEvents();
  void FormShow(ui::TObject* sender);
  void ShowHelp();
  // Stores the editor's fields; false while the editor must stay open.
  bool StoreTask();
};

extern TF_Task* F_Task;
