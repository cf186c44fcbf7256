#include "ui/form.h"

#include "support/headless_test.h"
#include "ui/application.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/messages.h"

namespace {

class FormTest : public HeadlessTest {};

struct ProbeForm : ui::TForm {
  ProbeForm() : ui::TForm(ui::TFormParams{}) {}
  ui::TCloseAction nextAction = ui::TCloseAction::caHide;
  int shows = 0;
};

struct SelfReferringForm;
SelfReferringForm* g_self = nullptr;
SelfReferringForm* g_seenInConstructor = nullptr;

struct SelfReferringForm : ProbeForm {
  SelfReferringForm() { g_seenInConstructor = g_self; }
};

TEST_F(FormTest, CreateFormSetsTheGlobalBeforeTheConstructorRuns) {
  ui::TApplication application;
  ui::Application = &application;
  ProbeForm* first = nullptr;
  application.CreateForm(first);
  application.CreateForm(g_self);
  ASSERT_NE(g_self, nullptr);
  EXPECT_EQ(g_seenInConstructor, g_self);
  EXPECT_EQ(application.MainForm, first) << "the first form created is the main form";
  application.DestroyForms();
  EXPECT_EQ(g_self, nullptr);
  EXPECT_EQ(first, nullptr);
  ui::Application = nullptr;
}

TEST_F(FormTest, CloseActionDecidesWhatCloseDoes) {
  ui::TApplication application;
  ui::Application = &application;
  ProbeForm* main = nullptr;
  ProbeForm* other = nullptr;
  application.CreateForm(main);
  application.CreateForm(other);
  for (ProbeForm* form : {main, other})
    form->OnClose = [form](ui::TObject*, ui::TCloseAction& a) { a = form->nextAction; };

  other->Show();
  other->nextAction = ui::TCloseAction::caNone;
  other->Perform(ui::WM_CLOSE, 0, 0);
  EXPECT_TRUE(other->Visible()) << "caNone keeps the form open";
  other->nextAction = ui::TCloseAction::caHide;
  other->Perform(ui::WM_CLOSE, 0, 0);
  EXPECT_FALSE(other->Visible());
  EXPECT_FALSE(application.Terminated());

  main->nextAction = ui::TCloseAction::caNone;
  main->Close();
  EXPECT_FALSE(application.Terminated());
  main->nextAction = ui::TCloseAction::caFree;
  main->Close();
  EXPECT_TRUE(application.Terminated()) << "closing the main form ends the application";
  application.DestroyForms();
  ui::Application = nullptr;
}

TEST_F(FormTest, ShowModalReturnsOnceTheScriptClosesTheForm) {
  ProbeForm form;
  int closes = 0;
  form.OnClose = [&](ui::TObject*, ui::TCloseAction& a) {
    a = ++closes == 1 ? ui::TCloseAction::caNone : ui::TCloseAction::caHide;
  };
  ui::headless::Expect([&](ui::headless::Dialog& d) {
    EXPECT_EQ(d.form, &form);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Modal());
    form.Close();  // refused by the close event
    EXPECT_EQ(form.ModalResult, ui::mrNone);
    form.Close();
    return 0;
  });
  EXPECT_EQ(form.ShowModal(), ui::mrCancel);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.Modal());
}

TEST_F(FormTest, OnShowRunsOnlyWhenAHiddenFormIsShown) {
  ProbeForm form;
  form.OnShow = [&](ui::TObject*) { ++form.shows; };
  form.Show();
  form.Show();
  form.Hide();
  form.Show();
  EXPECT_EQ(form.shows, 2);
}

TEST_F(FormTest, UnexpectedDialogIsReportedAndCancelled) {
  std::vector<std::string> reported;
  ui::headless::SetUnexpectedDialogHandler(
      [&](const ui::headless::Dialog& d) { reported.push_back(d.text); });
  EXPECT_EQ(ui::ShowMessageBox("surprise", "Error", ui::MB_OK, 0), ui::IDCANCEL);
  EXPECT_EQ(ui::ShowMessageBox("sure?", "Confirm", ui::MB_YESNO, 0), ui::IDNO);
  std::string value = "kept";
  EXPECT_FALSE(ui::ShowInputQuery("Velmarind", "prompt", value));
  EXPECT_EQ(reported, (std::vector<std::string>{"surprise", "sure?", "prompt"}));
}

TEST_F(FormTest, MenuItemClickRunsEvenWhenHiddenAndRunTimeItemsBelongToTheirParent) {
  ui::TPopupMenu menu;
  ui::TMenuItem fixed("Fixed");
  int clicks = 0;
  fixed.OnClick = [&](ui::TObject*) { ++clicks; };
  fixed.Visible = false;
  menu.Items.Add(fixed);
  fixed.Click();
  EXPECT_EQ(clicks, 1);
  ui::TMenuItem* made = menu.Items.AddNew("Made");
  EXPECT_EQ(menu.Items.Count(), 2);
  EXPECT_EQ(menu.Items.Find("Made"), made);
  EXPECT_EQ(made->Parent(), &menu.Items);
  menu.Items.Remove(made);
  EXPECT_EQ(menu.Items.Count(), 1);
  EXPECT_EQ(menu.Items.Find("Made"), nullptr);
  EXPECT_EQ(menu.Items.IndexOf(&fixed), 0);
}

TEST_F(FormTest, MemoLineModel) {
  ProbeForm form;
  ui::TMemo memo(form, {0, 0, 100, 100});
  struct Case {
    std::string text;
    int lines;
    int lineOfLastChar;
  };
  const Case cases[] = {{"", 0, 0},           {"a", 1, 0},    {"a\r\nb", 2, 1},
                        {"a\r\nb\r\n", 2, 2}, {"\r\n", 1, 1}, {"a\r\n\r\nb", 3, 2}};
  for (const Case& c : cases) {
    memo.SetText(c.text);
    EXPECT_EQ(memo.LineCount(), c.lines) << c.text;
    EXPECT_EQ(memo.LineFromChar(static_cast<int>(c.text.size())), c.lineOfLastChar) << c.text;
  }
  memo.SetLines({"x", "y"});
  EXPECT_EQ(memo.Text(), "x\r\ny");
  EXPECT_EQ(ui::NormalizeLineBreaks("a\rb\nc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

}  // namespace
