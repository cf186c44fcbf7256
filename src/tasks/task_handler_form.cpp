#include "tasks/task_handler_form.h"

#include "common/placement.h"
#include "os/os.h"
#include "tasks/task_form.h"
#include "ui/menu.h"
#include "ui/messages.h"

TF_TaskHandler* F_TaskHandler = nullptr;

namespace {

constexpr std::size_t kCommentShown = 48;
constexpr std::uint32_t kNavy = 0x000080;

ui::TControlPlace Button(int top, int tabOrder) {
  return {{184, top, 75, 25}, ui::akLeft | ui::akTop, tabOrder};
}

// The comment as the status bar shows it: at most 48 characters, a longer
// one cut there and followed by "...".
std::string ShortComment(const std::string& comment) {
  if (comment.size() <= kCommentShown) return comment;
  return comment.substr(0, kCommentShown) + "...";
}

}  // namespace

TF_TaskHandler::TF_TaskHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_TaskHandler",
                                .Caption = "Tasks [0]",
                                .ClientWidth = 267,
                                .ClientHeight = 216,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      LB_Tasks(*this, {{8, 8, 168, 183}, ui::akLeft | ui::akTop, 5}, true),
      B_Execute(*this, "E&xecute", Button(8, 0)),
      B_New(*this, "&New", Button(39, 1)),
      B_Edit(*this, "&Edit", Button(70, 2)),
      B_Delete(*this, "&Delete", Button(101, 3)),
      B_Close(*this, "&Close", Button(166, 4)),
      StatusBar(*this, {{0, 197, 267, 19}}) {
  Name = "F_TaskHandler";
  // The names the translation files use.
  NameComponents({{&B_Close, "B_Close"},
                  {&B_Delete, "B_Delete"},
                  {&B_Edit, "B_Edit"},
                  {&B_Execute, "B_Execute"},
                  {&B_New, "B_New"}});
  // The list box's text colour is a property of its native peer.
  LB_Tasks.SetTextStyle(ui::TTextStyle{.Color = kNavy});
  WireEvents();
  TaskHandler.Listener = this;
  TaskHandler.LoadTasks(kTaskListFile);
}

void TF_TaskHandler::WireEvents() {
  OnShow = ui::Handler(this, &TF_TaskHandler::FormShow);
  LB_Tasks.OnClick = ui::Handler(this, &TF_TaskHandler::LB_TasksClick);
  LB_Tasks.OnDblClick = ui::Handler(this, &TF_TaskHandler::LB_TasksDblClick);
  B_Execute.OnClick = ui::Handler(this, &TF_TaskHandler::B_ExecuteClick);
  B_New.OnClick = ui::Handler(this, &TF_TaskHandler::B_NewClick);
  B_Edit.OnClick = ui::Handler(this, &TF_TaskHandler::B_EditClick);
  B_Delete.OnClick = ui::Handler(this, &TF_TaskHandler::B_DeleteClick);
  B_Close.OnClick = ui::Handler(this, &TF_TaskHandler::B_CloseClick);
}

void TF_TaskHandler::UpdateSelection() {
  const int index = LB_Tasks.ItemIndex() >= 0 ? TaskHandler.FindTask(LB_Tasks.Text()) : -1;
  const bool selected = index >= 0;
  StatusBar.SetSimpleText(selected ? ShortComment(TaskHandler.Tasks[index].Comment) : "");
  for (ui::TButton* button : {&B_Edit, &B_Execute, &B_Delete}) button->SetEnabled(selected);
}

void TF_TaskHandler::RefreshTaskList() {
  LB_Tasks.SetItems(common::NamesOf(TaskHandler.Tasks));
  ShowCountAndSelection();
}

void TF_TaskHandler::MoveTaskEntry(const common::ListEntry& before,
                                   const common::ListEntry& after) {
  ui::TListBox* const lists[] = {&LB_Tasks};
  common::MoveEntry(lists, before, after);
}

void TF_TaskHandler::UpdateTaskList() {
  LB_Tasks.SetItemIndex(-1);
  ShowCountAndSelection();
}

// Without a selection the buttons that need one are disabled.
void TF_TaskHandler::ShowCountAndSelection() {
  SetCaption("Tasks [" + std::to_string(TaskHandler.Count()) + "]");
  UpdateSelection();
}

void TF_TaskHandler::TaskMenuItemClick(ui::TObject* sender) {
  if (const auto* item = dynamic_cast<ui::TMenuItem*>(sender))
    TaskHandler.ExecuteTask(item->Caption);
}

void TF_TaskHandler::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 32);
  UpdateSelection();
}

void TF_TaskHandler::LB_TasksClick(ui::TObject*) {
  UpdateSelection();
}

void TF_TaskHandler::LB_TasksDblClick(ui::TObject*) {
  B_Execute.Click();
}

void TF_TaskHandler::B_ExecuteClick(ui::TObject*) {
  if (LB_Tasks.ItemIndex() >= 0) TaskHandler.ExecuteTask(LB_Tasks.Text());
}

// An open editor keeps what the user typed: the editor is modal, so only
// a program could press New meanwhile.
void TF_TaskHandler::B_NewClick(ui::TObject*) {
  if (!F_Task || F_Task->Visible()) return;
  F_Task->ResetTaskEditor();
  F_Task->ShowModal();
}

void TF_TaskHandler::B_EditClick(ui::TObject*) {
  if (!F_Task || F_Task->Visible() || LB_Tasks.ItemIndex() < 0) return;
  const int index = TaskHandler.FindTask(LB_Tasks.Text());
  if (index < 0) return;
  F_Task->LoadTask(TaskHandler.Tasks[index]);
  F_Task->ShowModal();
}

// Deletes at once, without a question.
void TF_TaskHandler::B_DeleteClick(ui::TObject*) {
  if (LB_Tasks.ItemIndex() < 0) return;
  TaskHandler.DeleteTask(LB_Tasks.Text());
  TaskHandler.SaveTaskList(common::SaveReport::EveryFailure);
}

void TF_TaskHandler::B_CloseClick(ui::TObject*) {
  Close();
}
