// Where the tray's windows open on the screen, and that a window shown again
// while open stays where the user moved it.
#include "settings/about.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"

namespace {

class PlacementTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
  }
};

// `margin` pixels from the bottom-right corner, or centre on centre (each
// halved down); at (margin, margin) when the screen size is unknown.
ui::TRect Expected(const ui::TForm& form, std::optional<os::Size> screen, int margin,
                   bool centred) {
  const int width = form.Width(), height = form.Height();
  if (!screen) return {margin, margin, width, height};
  if (centred)
    return {screen->Width / 2 - width / 2, screen->Height / 2 - height / 2, width, height};
  return {screen->Width - width - margin, screen->Height - height - margin, width, height};
}

TEST_F(PlacementTest, WindowsOpenAtTheirPlaceAndStayWhereTheUserPutThem) {
  // clang-format off
  const struct { ui::TMenuItem& item; ui::TForm& form; int margin; bool centred; std::function<void()> close; } cases[] = {
      {Velmarind->M_Edit,     *F_TaskHandler, 32, false, [] { F_TaskHandler->B_Close.Click(); }},
      {Velmarind->M_Settings, *F_Settings,    32, false, [] { Velmarind->M_Settings.Click(); }},
      {Velmarind->M_About,    *F_About,       64, true,  [] { F_About->B_ok.Click(); }},
  };
  // clang-format on
  for (const std::optional<os::Size> screen : {os::Size{1280, 1024}, os::Size{800, 600}, {}})
    for (const auto& c : cases) {
      SCOPED_TRACE(c.form.Caption() + (screen ? "" : ", no screen size"));
      os::fake::world().screen = screen;
      os::fake::world().files.erase(std::string(kDir) + "settings.ini");
      c.form.SetBounds(1, 2, c.form.Width(), c.form.Height());
      c.item.Click();
      ASSERT_TRUE(c.form.Visible());
      EXPECT_EQ(c.form.BoundsRect(), Expected(c.form, screen, c.margin, c.centred));
      c.form.SetBounds(5, 6, c.form.Width(), c.form.Height());
      c.form.Show();
      EXPECT_EQ(std::pair(c.form.Left(), c.form.Top()), std::pair(5, 6)) << "shown again, it stays";
      c.close();
      EXPECT_FALSE(c.form.Visible());
      EXPECT_EQ(HasFile("settings.ini"), &c.form == F_Settings) << "only the settings save";
    }
}

}  // namespace
