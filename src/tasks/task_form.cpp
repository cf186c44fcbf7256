#include "tasks/task_form.h"

#include <algorithm>
#include <vector>

#include "common/data_file.h"
#include "common/placement.h"
#include "tasks/task_handler_form.h"
#include "tasks/task_operations.h"
#include "ui/dialogs.h"
#include "ui/menu.h"
#include "ui/messages.h"

TF_Task* F_Task = nullptr;

namespace {

constexpr int kOpenItemIndex = 0;
constexpr int kShowItemIndex = 4;  // "SHOW"

const char* const kBrowseFilter =
    "Programs (*.exe;*.com;*.bat;*.pif)|*.exe;*.com;*.bat;*.pif|"
    "Documents (*.doc;*.xml;*.txt;*.pdf)|*.doc;*.xml;*.txt;*.pdf|"
    "Sounds (*.wav;*.mp3)|*.wav;*.mp3;*.m3u|All (*.*)|*.*";

template <class Item>
std::vector<std::string> NamesOf(std::span<const Item> items) {
  std::vector<std::string> names;
  for (const Item& item : items) names.emplace_back(item.name);
  return names;
}

std::string LabelOr(const char* label, const char* usual) {
  return label ? label : usual;
}

constexpr ui::TAnchors kTopLeft = ui::akLeft | ui::akTop;

// A field across the dialog; a labelled edit's label sits above it.
ui::TControlPlace Row(int top, int tabOrder) {
  return {{8, top, 216, 21}, kTopLeft, tabOrder};
}

}  // namespace

TF_Task::TF_Task()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Task",
                                .Caption = "New Task",
                                .ClientWidth = 232,
                                .ClientHeight = 367,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      LE_Name(*this, "Name", Row(22, 0), 255),
      LE_File(*this, "File / Command", Row(62, 1), 255),
      LE_Directory(*this, "Directory", Row(102, 2), 255),
      LE_Parameters(*this, "Parameters", Row(142, 3), 255),
      LE_Comment(*this, "Comment", Row(182, 4), 255),
      L_Operation(*this, "Operation", {{8, 208, 216, 13}}),
      CB_Operation(*this, Row(222, 5), NamesOf(TaskOperations())),
      L_Showcommand(*this, "Show as", {{8, 248, 216, 13}}),
      CB_Showcommand(*this, Row(262, 6), NamesOf(ShowCommands())),
      L_Help(*this, ShowCommands()[kShowItemIndex].help, {{8, 290, 217, 41}}),
      B_Ok(*this, "&Ok", {{37, 338, 75, 23}, kTopLeft, 7}),
      B_Cancel(*this, "&Cancel", {{120, 338, 75, 23}, kTopLeft, 8}),
      OD_Browse("Velmarind - Select File", kBrowseFilter) {
  Name = "F_Task";
  // The names the translation files use.
  NameComponents({{&B_Cancel, "B_Cancel"}, {&B_Ok, "B_Ok"}, {&LE_Name, "LE_Name"}});
  LE_File.EditLabel.MakeLink();
  CB_Operation.SetItemIndex(kOpenItemIndex);
  OperationText = TaskOperations()[kOpenItemIndex].name;
  CB_Showcommand.SetItemIndex(kShowItemIndex);
  WireEvents();
}

void TF_Task::WireEvents() {
  OnShow = ui::Handler(this, &TF_Task::FormShow);
  LE_Name.OnChange = ui::Handler(this, &TF_Task::LE_NameChange);
  CB_Operation.OnChange = ui::Handler(this, &TF_Task::CB_OperationChange);
  CB_Showcommand.OnChange = ui::Handler(this, &TF_Task::CB_ShowcommandChange);
  LE_File.EditLabel.OnClick = ui::Handler(this, &TF_Task::LE_FileSubLabelClick);
  B_Ok.OnClick = ui::Handler(this, &TF_Task::B_OkClick);
  B_Cancel.OnClick = ui::Handler(this, &TF_Task::B_CancelClick);
  ui::MoveFocusOnEnter(LE_Name, {&LE_File, &LE_Directory, &LE_Parameters, &LE_Comment, &B_Ok});
  ui::MoveFocusOnEnter(LE_File, {&LE_Directory, &LE_Parameters, &LE_Comment, &B_Ok});
  ui::MoveFocusOnEnter(LE_Directory, {&LE_Parameters, &LE_Comment, &B_Ok});
  ui::MoveFocusOnEnter(LE_Parameters, {&LE_Comment, &B_Ok});
  ui::MoveFocusOnEnter(LE_Comment, {&CB_Operation});
  ui::MoveFocusOnEnter(CB_Operation, {&CB_Showcommand});
  ui::MoveFocusOnEnter(CB_Showcommand, {&B_Ok});
}

void TF_Task::ResetTaskEditor() {
  Mode = 0;
  EditName.clear();
  for (ui::TEdit* edit : {&LE_Name, &LE_File, &LE_Directory, &LE_Parameters, &LE_Comment})
    edit->SetText("");
  CB_Operation.SetItemIndex(kOpenItemIndex);
  OperationText = TaskOperations()[kOpenItemIndex].name;
  CB_Showcommand.SetItemIndex(kShowItemIndex);
  ShowHelp();
  SetCaption("New Task");
  ApplyOperationLayout();
}

void TF_Task::LoadTask(const CTask& task) {
  LE_Name.SetText(task.Name);
  LE_File.SetText(task.File);
  LE_Directory.SetText(task.Directory);
  LE_Parameters.SetText(task.Parameters);
  LE_Comment.SetText(task.Comment);
  // An operation that is none of the items shows no item and is kept as it is.
  const std::vector<std::string> names = NamesOf(TaskOperations());
  const auto known = std::find(names.begin(), names.end(), task.Operation);
  CB_Operation.SetItemIndex(known == names.end() ? -1 : static_cast<int>(known - names.begin()));
  OperationText = task.Operation;
  CB_Showcommand.SetItemIndex(task.ShowCommand);
  ShowHelp();
  Mode = 1;
  EditName = task.Name;
  SetCaption("Edit Task");
}

void TF_Task::ApplyOperationLayout() {
  const TaskOperation* operation = TaskOperationAt(CB_Operation.ItemIndex());
  const OperationLayout& layout = operation ? operation->layout : kAllFieldsLayout;
  LE_File.EditLabel.SetCaption(LabelOr(layout.fileLabel, "File / Command"));
  LE_Directory.EditLabel.SetCaption(LabelOr(layout.directoryLabel, "Directory"));
  LE_Parameters.EditLabel.SetCaption(LabelOr(layout.parametersLabel, "Parameters"));
  LE_File.SetEnabled(layout.file);
  LE_Directory.SetEnabled(layout.directory);
  LE_Parameters.SetEnabled(layout.parameters);
  BrowseAllowed = layout.browse;
  CB_Showcommand.SetEnabled(layout.showCommand);
  L_Help.SetVisible(layout.showCommand);
}

void TF_Task::ShowHelp() {
  const ShowCommand* command = ShowCommandAt(CB_Showcommand.ItemIndex());
  L_Help.SetCaption(command ? command->help : "");
}

void TF_Task::SplitPath(const std::string& path, std::string& fileName, std::string& directory) {
  const std::size_t slash = path.size() < 2 ? std::string::npos : path.rfind('\\', path.size() - 2);
  if (slash == std::string::npos) {
    fileName = path;
    directory.clear();
    return;
  }
  fileName = path.substr(slash + 1);
  directory = path.substr(0, slash + 1);
}

void TF_Task::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 48);
  if (Mode == 0 && LE_Name.Text().empty()) B_Ok.SetEnabled(false);
  ApplyOperationLayout();
  LE_Name.SetFocus();
}

void TF_Task::LE_NameChange(ui::TObject*) {
  B_Ok.SetEnabled(!LE_Name.Text().empty());
}

void TF_Task::CB_OperationChange(ui::TObject*) {
  OperationText = CB_Operation.Text();
  ApplyOperationLayout();
}

void TF_Task::CB_ShowcommandChange(ui::TObject*) {
  ShowHelp();
}

// A cancelled dialog leaves the fields as the user typed them.
void TF_Task::LE_FileSubLabelClick(ui::TObject*) {
  if (!BrowseAllowed) return;
  if (!OD_Browse.Execute() || OD_Browse.FileName.empty()) return;
  std::string fileName, directory;
  SplitPath(OD_Browse.FileName, fileName, directory);
  LE_File.SetText(fileName);
  LE_Directory.SetText(directory);
}

// The edited task is looked up by name here, after the dialog ran its own
// loop in which timers, hotkeys and the tray may have changed the list. The
// texts are stored as tasklist.ini will hold them, one line each, so that
// the list sorts and finds names as they are written.
bool TF_Task::StoreTask() {
  if (!F_TaskHandler) return false;
  CTaskHandler& tasks = F_TaskHandler->TaskHandler;
  const int editIndex = Mode == 1 ? tasks.FindTask(EditName) : -1;
  if (Mode == 1 && editIndex < 0) {
    ui::ShowError("The task \"" + EditName + "\" no longer exists.");
    return true;  // nothing is left to change: the editor closes
  }
  const std::string name = common::AsOneLine(LE_Name.Text());
  if (tasks.IsTaskNameFree(name, editIndex) == 0) {
    ui::ShowError("A Task by that name already exists");
    LE_Name.SetFocus();
    return false;
  }
  if (OperationText.empty()) return false;  // no operation chosen yet
  CTask task = Mode == 1 ? tasks.Tasks[editIndex] : CTask{};
  task.Name = name;
  task.Parameters = common::AsOneLine(LE_Parameters.Text());
  task.Comment = common::AsOneLine(LE_Comment.Text());
  task.File = common::AsOneLine(LE_File.Text());
  task.Directory = common::AsOneLine(LE_Directory.Text());
  task.Operation = OperationText;
  task.ShowCommand = static_cast<std::int16_t>(CB_Showcommand.ItemIndex());
  if (Mode == 0) {
    if (tasks.AddTask(task, true) == 0) return false;
  } else {
    if (task.MenuItem) task.MenuItem->Caption = task.Name;
    tasks.Tasks[editIndex] = task;
    tasks.ShowChange({0, EditName}, {0, task.Name});
  }
  tasks.SaveTaskList(common::SaveReport::EveryFailure);
  return true;
}

void TF_Task::B_OkClick(ui::TObject*) {
  if (!StoreTask()) return;
  ResetTaskEditor();
  ModalResult = ui::mrOk;
  Close();
}

void TF_Task::B_CancelClick(ui::TObject*) {
  ResetTaskEditor();
  Close();
}
