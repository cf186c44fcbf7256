#include "settings/about.h"

#include "support/app_test.h"

namespace {

class AboutTest : public AppTest {};

TEST_F(AboutTest, ShowsItsTextReadOnlyAndItsLinksOpen) {
  PrepareSettings();
  Start();
  const auto lines = F_About->M_About.Lines();
  EXPECT_EQ(lines.front() + "|" + lines.back(), "Velmarind|Thank you and have a nice day!");
  ui::headless::Type(F_About->M_About, "x");
  EXPECT_EQ(F_About->M_About.Lines(), lines);
  for (ui::TLabel* link : {&F_About->L_mail, &F_About->L_url, &F_About->L_donate})
    link->NotifyClick();
  const std::string kOpen = "shell::Execute(\"\",\"";
  EXPECT_EQ(
      os::fake::CallsStartingWith("shell::Execute"),
      (std::vector<std::string>{kOpen + "mailto:velmarind@example.org\",\"\",\"\",1)",
                                kOpen + "http://velmarind.example.org/\",\"\",\"\",1)",
                                kOpen + "http://velmarind.example.org/donate\",\"\",\"\",1)"}));
}

}  // namespace
