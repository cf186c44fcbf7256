// Translation files: reading them, the slot table, applying one to every window, the language
// list and "Load", and the file chosen at start-up.
#include "app/translation.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "alarms/alarm_handler_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "settings/settings_form.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"
#include "ui/checkbox.h"
#include "ui/label.h"
#include "ui/messages.h"
#include "ui/page_control.h"

namespace {

using Lines = std::vector<std::string>;

std::string Asset(const std::string& name) {
  std::ifstream file(std::string(VELMARIND_ASSETS) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The text a target shows, whatever kind of component it is; "?" for none.
std::string CaptionOf(const app::TranslationTarget& target) {
  if (std::string(target.window) == "CSettings") return F_Settings->Settings.DefaultMessage;
  ui::TForm* window = app::WindowNamed(target.window);
  ui::TComponent* c = window ? window->FindComponent(target.component) : nullptr;
  if (auto* edit = dynamic_cast<ui::TLabeledEdit*>(c)) return edit->EditLabel.Caption();
  if (auto* item = dynamic_cast<ui::TMenuItem*>(c)) return item->Caption;
  if (auto* button = dynamic_cast<ui::TButton*>(c)) return button->Caption();
  if (auto* label = dynamic_cast<ui::TLabel*>(c)) return label->Caption();
  if (auto* box = dynamic_cast<ui::TCheckBox*>(c)) return box->Caption();
  if (auto* group = dynamic_cast<ui::TGroupBox*>(c)) return group->Caption();
  if (auto* page = dynamic_cast<ui::TTabSheet*>(c)) return page->Caption();
  return "?";
}

Lines Captions() {
  Lines captions;
  for (const auto& target : app::TranslationTargets()) captions.push_back(CaptionOf(target));
  return captions;
}

class TranslationTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    File("Deutsch.vmd") = Asset("Deutsch.vmd");
    Start();
  }
  static void ExpectError(const std::string& text) {
    ui::headless::Expect([text](ui::headless::Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text, "Error: " + text);
      return ui::IDOK;
    });
  }
  // A file of n texts "t0", "t1", ..., some replaced.
  static std::string Texts(int n, const std::vector<std::pair<int, std::string>>& changed = {}) {
    Lines texts;
    for (int i = 0; i < n; ++i) texts.push_back("t" + std::to_string(i));
    for (const auto& [slot, text] : changed) texts[slot] = text;
    std::string file;
    for (const std::string& text : texts) file += "key:" + text + "\r\n";
    return file;
  }
};

TEST(TranslationFile, LinesGiveTheTextAfterTheirFirstColon) {
  // clang-format off
  const struct { std::string file; Lines texts; } rows[] = {
      {"# comment\r\n\r\nkey: text\r\na:b:c\r\nabc\r\n", {" text", "b:c", "abc"}},
      {"a:1\nb:2\nc:3", {"1", "2", "3"}},                      // LF, no last line break
      {"a:\r\n \r\n", {"", " "}},                             // empty and blank texts count
      {"x:" + std::string(260, 'y') + "\r\nz:2\r\n", {std::string(253, 'y')}},  // 255, then no more
      {std::string("n:a\0b\r\n", 7), {std::string("a\0b", 3)}},  // NUL bytes are text
      {"\xEF\xBB\xBF# comment\r\nkey:text\r\n", {"text"}},  // a UTF-8 byte-order mark is none
  };
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(app::ReadTranslationTexts(r.file), r.texts) << r.file;
  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "t" + std::to_string(i) + "\n";
  const Lines texts = app::ReadTranslationTexts(hundred);
  EXPECT_EQ(texts.size(), 93u);
  EXPECT_EQ(texts.back(), "t92");
}

// template.txt is the slot table with each slot's first target and built-in text; to write it
// anew, run this test with VELMARIND_WRITE_TEMPLATE set to the file's path.
TEST_F(TranslationTest, EveryTargetExistsAndTheTemplateListsTheBuiltInTexts) {
  std::string expected =
      "# Velmarind translation template: one text per line, after its first ':'.\r\n"
      "# The name before the ':' says what the text is for. Lines beginning with '#'\r\n"
      "# and empty lines are skipped. Keep the 93 texts in this order.\r\n";
  int slot = -1;
  for (const auto& target : app::TranslationTargets()) {
    EXPECT_NE(CaptionOf(target), "?") << target.window << "." << target.component;
    for (++slot; slot < target.slot; ++slot) expected += "unused" + std::to_string(slot) + ":\r\n";
    if (slot == target.slot)
      expected += std::string(target.component) + ":" + CaptionOf(target) + "\r\n";
    slot = target.slot;
  }
  if (const char* path = std::getenv("VELMARIND_WRITE_TEMPLATE"))
    std::ofstream(path, std::ios::binary) << expected;
  EXPECT_EQ(Asset("template.txt"), expected);
  EXPECT_EQ(app::ReadTranslationTexts(expected).size(), 93u);
}

TEST_F(TranslationTest, AFileOf93TextsSetsEveryTargetAndFewerChangeNothing) {
  const Lines builtIn = Captions();
  File("short.vmd") = Texts(92);
  ExpectError(
      "Number of translated sentences does not match! The file short.vmd has: 92 should "
      "be: 93. Make sure you follow the latest template.txt and only have one translation "
      "/ line.");
  EXPECT_EQ(F_Settings->LoadLanguageFile("short.vmd"), 0);
  ExpectError("Could not find that language file, make sure it's in the same folder as Velmarind");
  EXPECT_EQ(F_Settings->LoadLanguageFile("gone.vmd"), 0);
  EXPECT_EQ(Captions(), builtIn);
  EXPECT_EQ(F_Settings->LoadLanguageFile("Deutsch.vmd"), 1);
  const Lines texts = app::ReadTranslationTexts(File("Deutsch.vmd"));
  const auto targets = app::TranslationTargets();
  for (std::size_t i = 0; i < targets.size(); ++i)
    EXPECT_EQ(Captions()[i], texts[targets[i].slot]) << targets[i].component;
  EXPECT_EQ(Velmarind->M_Quit.Caption, "&Beenden");
  EXPECT_EQ(F_AlarmHandler->AlarmHandler.AddQuickAlarm("7:00", "", 1, 0), 1);
  EXPECT_EQ(F_AlarmHandler->AlarmHandler.Alarms.at(0).Message, "Aufwachen!");
}

// A slot holding text keeps its caption; two submenus of one text keep their items apart.
TEST_F(TranslationTest, ClipboardSlotsAndSubmenusKeepWhatTheyHold) {
  os::fake::world().clipboardText = "abc", os::fake::world().clipboardHasText = true;
  Velmarind->M_Clipboard2.Click();
  File("same.vmd") = Texts(93, {{6, "same"}, {20, "same"}, {24, "same"}});
  ASSERT_EQ(F_Settings->LoadLanguageFile("same.vmd"), 1);
  EXPECT_EQ(Velmarind->M_Clipboard1.Caption + "|" + Velmarind->M_Clipboard2.Caption, "t4|abc  (3)");
  EXPECT_EQ(Velmarind->M_Run.Caption + Velmarind->M_Timer.Caption + Velmarind->M_Hotkeys.Caption,
            "samesamesame");
  // A few targets at the slots existing translation files fill: a target moved in the table
  // would pass the checks above once the template is written again.
  // clang-format off
  const app::TranslationTarget some[] = {
      {0, "Velmarind", "M_Settings"}, {3, "Velmarind", "M_addclipboard"}, {17, "F_Alarm", "LE_Message"},
      {29, "F_Hotkey", "LE_extra"}, {34, "F_Settings", "TS_memo"}, {38, "F_Settings", "L_name"},
      {59, "F_Settings", "B_load"}, {81, "F_About", "L_donate"}, {91, "F_Settings", "CB_aaEdit"},
      {92, "CSettings", "DefaultMessage"}};
  // clang-format on
  for (const auto& target : some)
    EXPECT_EQ(CaptionOf(target), "t" + std::to_string(target.slot)) << target.component;
  CTask task;
  task.Name = "task";
  F_TaskHandler->TaskHandler.AddTask(task, true);
  EXPECT_EQ(F_AlarmHandler->AlarmHandler.AddQuickAlarm("7:00", "", 1, 0), 1);
  EXPECT_EQ(Velmarind->M_Run.Items(Velmarind->M_Run.Count() - 1)->Caption, "task");
  EXPECT_EQ(Velmarind->M_Timer.Items(Velmarind->M_Timer.Count() - 1)->Caption,
            "#Alarm - (7:00 AM) ");
}

TEST_F(TranslationTest, TheListOffersDefaultAndTheFilesAndLoadTakesTheChoice) {
  File("b.vmd") = Texts(92), File("a.txt") = "";
  F_Settings->Settings.Language = "b.vmd";
  F_Settings->Show();
  EXPECT_EQ(F_Settings->CB_language.Items(), (Lines{"Default", "Deutsch.vmd", "b.vmd"}));
  EXPECT_EQ(F_Settings->CB_language.Text(), "b.vmd");
  EXPECT_TRUE(F_Settings->B_load.Enabled());
  F_Settings->CB_language.SetItemIndex(0);
  F_Settings->B_load.Click();  // "Default": nothing changes until the next start
  EXPECT_EQ(F_Settings->Settings.Language + " " + Velmarind->M_Quit.Caption, "Default Close");
  F_Settings->CB_language.SetItemIndex(1);
  F_Settings->B_load.Click();
  EXPECT_EQ(F_Settings->Settings.Language + " " + Velmarind->M_Quit.Caption,
            "Deutsch.vmd &Beenden");
  F_Settings->CB_language.SetItemIndex(2);
  ExpectError(
      "Number of translated sentences does not match! The file b.vmd has: 92 should be: 93. "
      "Make sure you follow the latest template.txt and only have one translation / line.");
  F_Settings->B_load.Click();
  F_Settings->Close();
  EXPECT_NE(File("settings.ini").find("\r\nDeutsch.vmd\r\n"), std::string::npos) << "kept";
  F_Settings->Settings.Language = "";
  F_Settings->Show();
  EXPECT_EQ(F_Settings->CB_language.ItemIndex(), -1);
  F_Settings->B_load.Click();  // nothing chosen
  EXPECT_EQ(F_Settings->Settings.Language, "");
}

// A file named at start-up that is gone: said once, forgotten, not said again.
TEST_F(TranslationTest, AMissingFileAtStartIsSaidOnceAndForgotten) {
  Finish();
  PrepareSettings([](CSettings& s) { s.Language = "gone.vmd"; });
  ExpectError("Could not find that language file, make sure it's in the same folder as Velmarind");
  Start();
  EXPECT_EQ(F_Settings->Settings.Language, "");
  Velmarind->M_Quit.Click();
  Finish();
  Start();
  Finish();
  PrepareSettings([](CSettings& s) { s.Language = "Deutsch.vmd"; });
  Start();
  EXPECT_EQ(F_Memo->B_Close.Caption(), "&Beenden");
}

}  // namespace
