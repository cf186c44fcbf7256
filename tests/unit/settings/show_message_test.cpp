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

}  // namespace
