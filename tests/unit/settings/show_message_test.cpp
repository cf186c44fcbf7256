#include "settings/show_message.h"

#include "support/app_test.h"

namespace {

class ShowMessageTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings([](CSettings& s) { s.SignalDelay = 2000; });
    Start();
    os::fake::world().calls.clear();
  }
  std::size_t Plays() { return os::fake::CallsStartingWith("sound::PlayWave").size(); }
};

TEST_F(ShowMessageTest, AlarmSoundPlaysAtOnceThenOncePerDelay) {
  F_ShowMessage->StartAlarmSound(5);
  EXPECT_EQ(Plays(), 1u);
  EXPECT_EQ(os::fake::world().calls[0], "sound::PlayWave(\"C:\\Velmarind\\sound.wav\",139265)");
  ui::headless::AdvanceTime(1999);
  EXPECT_EQ(Plays(), 1u);
  ui::headless::AdvanceTime(20000);
  EXPECT_EQ(Plays(), 5u);
  EXPECT_FALSE(F_ShowMessage->T_SoundTimer.Enabled());
}

TEST_F(ShowMessageTest, StopDropsThePlaysStillDue) {
  F_ShowMessage->StartAlarmSound(5);
  ui::headless::AdvanceTime(2000);
  F_ShowMessage->StopAlarmSound();
  ui::headless::AdvanceTime(20000);
  EXPECT_EQ(Plays(), 2u);
  EXPECT_EQ(F_ShowMessage->RepeatsLeft, 0);
}

TEST_F(ShowMessageTest, MouseMoveStopsTheRepeatsWhenTheSettingsAskForIt) {
  for (int stopOnMove : {0, 1}) {
    os::fake::world().calls.clear();
    Settings().StopOnMouseMove = stopOnMove;
    os::fake::world().cursor = {0, 0};
    F_ShowMessage->StartAlarmSound(3);
    os::fake::world().cursor = {5, 5};
    ui::headless::AdvanceTime(10000);
    EXPECT_EQ(Plays(), stopOnMove ? 1u : 3u);
  }
}

TEST_F(ShowMessageTest, ClosingByTheUserStopsTheTrayAnimation) {
  Velmarind->SetTrayAnimation(true);
  F_ShowMessage->Show();
  F_ShowMessage->Close();
  EXPECT_FALSE(Velmarind->TrayIcon.Animate());
}

TEST_F(ShowMessageTest, DuePlaysOfTwoAlarmsAddUp) {
  F_ShowMessage->StartAlarmSound(3);
  ui::headless::AdvanceTime(1000);
  F_ShowMessage->StartAlarmSound(3);
  ui::headless::AdvanceTime(30000);
  EXPECT_EQ(Plays(), 6u);
}

TEST_F(ShowMessageTest, LinesCarryTheTimeOrTheStopwatchResult) {
  os::fake::SetLocalTime({2026, 12, 6, 8, 30, 5, 0, 1});
  F_ShowMessage->AddAlarmMessage("Tea is ready");
  F_ShowMessage->AddStopwatchMessage(1.5f);
  F_ShowMessage->AddStopwatchMessage(1.234f);
  EXPECT_EQ(F_ShowMessage->M_Message.Lines(),
            (std::vector<std::string>{"[08:30:05] - Tea is ready", "Stopwatch, Time: 1.5 seconds.",
                                      "Stopwatch, Time: 1.23399996757507 seconds."}));
  EXPECT_FALSE(F_ShowMessage->Visible()) << "adding a line does not show the window";
}

TEST_F(ShowMessageTest, ShowingPlacesTheWindowAsTheSettingsSay) {
  struct Case {
    int position;
    std::optional<os::Size> screen;
    int left, top;
  };
  const Case cases[] = {{4, os::Size{1024, 768}, 672, 486}, {1, os::Size{1024, 768}, 32, 32},
                        {2, os::Size{1024, 768}, 672, 32},  {3, os::Size{1024, 768}, 32, 486},
                        {0, os::Size{1024, 768}, 352, 259}, {9, os::Size{1024, 768}, 352, 259},
                        {4, std::nullopt, 250, 250}};
  for (const Case& c : cases) {
    Settings().MessagePosition = c.position;
    os::fake::world().screen = c.screen;
    F_ShowMessage->SetBounds(0, 0, 320, 250);
    F_ShowMessage->Show();
    EXPECT_EQ(F_ShowMessage->Left(), c.left) << c.position;
    EXPECT_EQ(F_ShowMessage->Top(), c.top) << c.position;
    EXPECT_EQ(F_ShowMessage->Caption(), "Alarm - Velmarind - 06.12.2026");
    F_ShowMessage->Hide();
  }
}

TEST_F(ShowMessageTest, AutoCloseCountsDownAndLeavesTheTrayBlinking) {
  F_ShowMessage->AutoCloseCount = 2;
  Velmarind->SetTrayAnimation(true);
  F_ShowMessage->Show();
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_ShowMessage->B_Ok.Caption(), "Closing in 2");
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_ShowMessage->B_Ok.Caption(), "Closing in 1");
  EXPECT_TRUE(F_ShowMessage->Visible());
  ui::headless::AdvanceTime(1000);
  EXPECT_FALSE(F_ShowMessage->Visible());
  EXPECT_EQ(F_ShowMessage->B_Ok.Caption(), "&Close");
  EXPECT_TRUE(Velmarind->TrayIcon.Animate()) << "closed by itself: the icon goes on blinking";
}

TEST_F(ShowMessageTest, MouseMoveEndsTheCountdownWhateverTheSettings) {
  Settings().StopOnMouseMove = 0;
  F_ShowMessage->AutoCloseCount = 5;
  F_ShowMessage->Show();
  ui::headless::AdvanceTime(1000);
  os::fake::world().cursor = {3, 4};
  ui::headless::AdvanceTime(1000);
  EXPECT_FALSE(F_ShowMessage->T_Autoclose.Enabled());
  EXPECT_EQ(F_ShowMessage->B_Ok.Caption(), "&Close");
  ui::headless::AdvanceTime(10000);
  EXPECT_TRUE(F_ShowMessage->Visible());
}

TEST_F(ShowMessageTest, ClearStopsSoundAndBlinkingAndKeepsTheWindowOpen) {
  F_ShowMessage->AddAlarmMessage("wake");
  F_ShowMessage->Show();
  Velmarind->SetTrayAnimation(true);
  F_ShowMessage->StartAlarmSound(5);
  F_ShowMessage->B_Clear.Click();
  ui::headless::AdvanceTime(20000);
  EXPECT_EQ(Plays(), 1u);
  EXPECT_FALSE(Velmarind->TrayIcon.Animate());
  EXPECT_TRUE(F_ShowMessage->Visible());
  EXPECT_EQ(F_ShowMessage->M_Message.Text(), "");
}

TEST_F(ShowMessageTest, EscapePressesClose) {
  Velmarind->SetTrayAnimation(true);
  F_ShowMessage->Show();
  F_ShowMessage->NotifyCancel();
  EXPECT_FALSE(F_ShowMessage->Visible());
  EXPECT_FALSE(Velmarind->TrayIcon.Animate());
}

}  // namespace
