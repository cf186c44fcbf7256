#include "settings/about.h"

#include "support/app_test.h"

namespace {

class AboutTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
    os::fake::world().calls.clear();
  }
};

TEST_F(AboutTest, ShowsTheFixedTextReadOnly) {
  const auto lines = F_About->M_About.Lines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "Velmarind");
  EXPECT_EQ(lines[1], "Version 5, Released in June, 2007");
  EXPECT_EQ(lines[10], "Thank you and have a nice day!");
  ui::headless::Type(F_About->M_About, "x");
  EXPECT_EQ(F_About->M_About.Lines(), lines);
  EXPECT_EQ(F_About->Caption().rfind("Velmarind 5.0 - ", 0), 0u);
}

TEST_F(AboutTest, IsCentredWhenItBecomesVisibleOnly) {
  struct Case {
    std::optional<os::Size> screen;
    int left, top;
  };
  const Case cases[] = {
      {os::Size{1024, 768}, 352, 239}, {os::Size{1280, 1024}, 480, 367}, {std::nullopt, 64, 64}};
  for (const Case& c : cases) {
    os::fake::world().screen = c.screen;
    F_About->SetBounds(0, 0, 320, 290);
    Velmarind->M_About.Click();
    EXPECT_EQ(F_About->Left(), c.left);
    EXPECT_EQ(F_About->Top(), c.top);
    F_About->SetBounds(5, 6, 320, 290);
    Velmarind->M_About.Click();
    EXPECT_EQ(F_About->Left(), 5) << "shown again while open: it stays where it is";
    F_About->B_ok.Click();
    EXPECT_FALSE(F_About->Visible());
  }
}

TEST_F(AboutTest, LinksOpenWithTheDefaultProgram) {
  F_About->L_mail.NotifyClick();
  F_About->L_url.NotifyClick();
  F_About->L_donate.NotifyClick();
  EXPECT_EQ(os::fake::CallsStartingWith("shell::Execute"),
            (std::vector<std::string>{
                "shell::Execute(\"\",\"mailto:velmarind@example.org\",\"\",\"\",1)",
                "shell::Execute(\"\",\"http://velmarind.example.org/\",\"\",\"\",1)",
                "shell::Execute(\"\",\"http://velmarind.example.org/donate\",\"\",\"\",1)"}));
}

}  // namespace
