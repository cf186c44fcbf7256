#include "settings/about.h"

#include "support/app_test.h"

namespace {

class AboutTest : public AppTest {};

TEST_F(AboutTest, ShowsItsTextReadOnlyItsLinksOpenAndOkCloses) {
  PrepareSettings();
  Start();
  const auto lines = F_About->M_About.Lines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0] + "|" + lines[1], "Velmarind|Version 5, Released in June, 2007");
  EXPECT_EQ(lines[10], "Thank you and have a nice day!");
  ui::headless::Type(F_About->M_About, "x");
  EXPECT_EQ(F_About->M_About.Lines(), lines);
  for (ui::TLabel* link : {&F_About->L_mail, &F_About->L_url, &F_About->L_donate})
    link->NotifyClick();
  EXPECT_EQ(os::fake::CallsStartingWith("shell::Execute"),
            (std::vector<std::string>{
                "shell::Execute(\"\",\"mailto:velmarind@example.org\",\"\",\"\",1)",
                "shell::Execute(\"\",\"http://velmarind.example.org/\",\"\",\"\",1)",
                "shell::Execute(\"\",\"http://velmarind.example.org/donate\",\"\",\"\",1)"}));
  Velmarind->M_About.Click();
  ASSERT_TRUE(F_About->Visible());
  F_About->B_ok.Click();
  EXPECT_FALSE(F_About->Visible());
}

}  // namespace
