// The dispatcher: what a pressed hotkey runs, the extra functions, the confirmation sound.
#include "alarms/alarm_handler_form.h"
#include "hotkeys/extra_functions.h"
#include "hotkeys/hotkey_test.h"
#include "memo/memo_form.h"
#include "settings/show_message.h"

namespace {

constexpr char kConfirm[] = "sound::PlayWave(\"C:\\Velmarind\\ok.wav\",139265)";

class HotkeyDispatcherTest : public HotkeyTest {
 protected:
  void SetUp() override {
    HotkeyTest::SetUp();
    PrepareSettings([](CSettings& s) {
      s.ConfirmSound = "C:\\Velmarind\\ok.wav", s.Browser = "";
      s.WebCommandUrl1 = "one %C", s.WebCommandUrl2 = "two %C", s.WebCommandUrl3 = "three %C";
    });
    File("tasklist.ini") =
        "2\r\nfails\r\n\r\ngone.wav\r\n\r\n\r\nPlay Sound\r\n0\r\n0\r\n"
        "ok\r\n\r\ndone\r\n\r\n\r\nAdd To Clipboard\r\n0\r\n0\r\n";
    const std::string countdown = "\r\n\r\n0:10:00\r\n\r\nm\r\n0\r\n0\r\n0\r\n1\r\n64\r\n";
    File("alarmlist.ini") =
        "2\r\noff" + countdown + "0\r\n0\r\n0\r\non" + countdown + "1\r\n0\r\n0\r\n";
    Restart(std::nullopt);
    os::fake::world().clipboardText = "x", os::fake::world().clipboardHasText = true;
    os::fake::world().windowClasses["Winamp v1.x"] = 77;
  }
  // Adds an enabled hotkey running this, on a combination of its own, and presses it.
  static int Press(int function, const std::string& param) {
    static int id = 0;
    CHotkey hotkey;
    hotkey.Name = hotkey.Param = param, hotkey.Function = function, hotkey.Id = ++id;
    hotkey.Key = id % 62, hotkey.Modifier = id / 62 % 2 ? "ALT" : "CTRL", hotkey.Enabled = 1;
    Handler().AddHotkey(hotkey, false);
    os::fake::world().calls.clear();
    Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(hotkey.Id), 0);
    return id;
  }
  // The calls made, then the windows shown and the clipboard slots filled; all forgotten.
  static Lines Observed() {
    Lines seen = std::exchange(os::fake::world().calls, {});
    for (ui::TForm* form : std::initializer_list<ui::TForm*>{F_Settings, F_ShowMessage})
      if (form->Visible()) seen.push_back("shown " + form->Name), form->Hide();
    for (int i = 0; i < 3; ++i)
      if (!Velmarind->Clip[i].Text.empty())
        seen.push_back("slot " + std::to_string(i + 1)), Velmarind->Clip[i].Text.clear();
    return seen;
  }
};

TEST_F(HotkeyDispatcherTest, ExtraFunctionsRunTheirActionAndTheSoundFollowsWhereItShould) {
  const std::string player = "windows::FindByClass(\"Winamp v1.x\")", clip = "clipboard::GetText()";
  auto sent = [](int command) {
    return "windows::SendWithTimeout(77,273," + std::to_string(command) + ",0,3000)";
  };
  auto web = [](const char* url) {
    return "shell::Execute(\"\",\"" + std::string(url) + " x\",\"\",\"\",1)";
  };
  auto volume = [](const char* set) {
    return Lines{"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()", set, kConfirm};
  };
  // clang-format off
  const struct { const char* param; Lines seen; } cases[] = {
      {"Stopwatch", {kConfirm}},  // started: nothing to show yet
      {"Raise Volume", volume("sound::SetWaveOutVolume(4294967295)")},
      {"Lower Volume", volume("sound::SetWaveOutVolume(3865437797)")},  // 58981 on both channels
      {"Add To Memo", {clip, "files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")", kConfirm}},
      {"Play Alarm Signal", {"sound::PlayWave(\"C:\\Velmarind\\sound.wav\",139265)"}},
      {"Open In Browser", {clip, "shell::Execute(\"Open\",\"x\",\"\",\"\",5)", kConfirm}},
      {"Web Command 1", {clip, web("one"), kConfirm}}, {"Web Command 2", {clip, web("two"), kConfirm}},
      {"Web Command 3", {clip, web("three"), kConfirm}},
      {"Winamp (Play)", {player, sent(40045)}}, {"Winamp (Pause)", {player, sent(40046)}},
      {"Winamp (Stop)", {player, sent(40047)}}, {"Winamp (Next)", {player, sent(40048)}},
      {"Winamp (Previous)", {player, sent(40044)}},
      {"Show Settings", {"shown F_Settings"}}, {"Show Alarm Messages", {"shown F_ShowMessage"}},
      {"Save Clipboard 1", {clip, kConfirm, "slot 1"}}, {"Save Clipboard 2", {clip, kConfirm, "slot 2"}},
      {"Save Clipboard 3", {clip, kConfirm, "slot 3"}},
      {"New Alarm", {"modal F_Alarm", kConfirm}},
      {"stopwatch", {kConfirm}}, {"", {kConfirm}},  // compared exactly: nothing but the sound
  };
  // clang-format on
  ASSERT_EQ(ExtraFunctions().size(), 20u);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    if (i < 20) {
      EXPECT_STREQ(ExtraFunctions()[i].name, cases[i].param) << "the editor's order";
    }
    if (i == 19)
      ui::headless::Expect([](ui::headless::Dialog& d) {
        os::fake::world().calls.push_back("modal " + d.form->Name);
        return 0;
      });
    Press(kExtraFunction, cases[i].param);
    EXPECT_EQ(Observed(), cases[i].seen) << cases[i].param;
  }
  Settings().SoundFile = "";  // no alarm signal: not the system's default sound either
  Press(kExtraFunction, "Play Alarm Signal");
  EXPECT_EQ(os::fake::world().calls, Lines{});
}

// After any task the sound; after an activation only when it worked, which also saves, lists
// and shows the alarm; nothing for an unknown function, id, or a disabled hotkey.
TEST_F(HotkeyDispatcherTest, TasksAlarmsAndUnknownFunctionsDecideTheSound) {
  const std::string saved = "files::SaveAtomically(\"C:\\Velmarind\\alarmlist.ini\")";
  // clang-format off
  const struct { int function; const char* param; Lines seen; const char* status; } cases[] = {
      {kExecuteTask, "ok", {"clipboard::SetText(\"done\")", kConfirm}, "stale"},  // 1
      {kExecuteTask, "fails", {kConfirm}, "stale"}, {kExecuteTask, "missing", {kConfirm}, "stale"},
      {kActivateAlarm, "off", {saved, kConfirm}, ""}, {kActivateAlarm, "on", {}, "stale"},  // 1, 0
      {kActivateAlarm, "missing", {}, "stale"}, {3, "ok", {}, "stale"}, {-1, "ok", {}, "stale"},
  };
  // clang-format on
  for (const auto& c : cases) {
    F_AlarmHandler->StatusBar.SetSimpleText("stale");  // ShowAlarmInfo clears it
    Press(c.function, c.param);
    EXPECT_EQ(Observed(), c.seen) << c.function << c.param;
    EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), c.status) << c.function << c.param;
  }
  EXPECT_EQ(F_AlarmHandler->LB_AlarmsActive.Items(), (Lines{"off", "on"}));
  Handler().DisableHotkeyAt(Handler().FindHotkeyById(Press(kExecuteTask, "ok")));
  Observed();
  for (int id : {0, 9000, Handler().Hotkeys.back().Id}) {
    Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(id), 0);
    EXPECT_EQ(Observed(), Lines{}) << id;
  }
  Velmarind->Perform(ui::WM_HOTKEY, MemoHotkeyId, 0);
  EXPECT_TRUE(F_Memo->Visible()) << "the memo's own hotkey";
  Settings().ConfirmSound = "";
  Press(kExtraFunction, "Stopwatch");
  EXPECT_EQ(Observed(), Lines{});
}

TEST_F(HotkeyDispatcherTest, VolumeStepsATenthFromTheLeftChannel) {
  auto& w = os::fake::world();
  auto levels = [&](void (TF_HotkeyHandler::*press)(), int times) {
    std::string seen;
    for (int i = 0; i < times; ++i) {
      (F_HotkeyHandler->*press)();
      const std::uint32_t v = w.waveOutVolume.value_or(7);
      seen += std::to_string(v & 0xFFFF) + (v >> 16 == (v & 0xFFFF) ? " " : "(uneven) ");
    }
    return seen;
  };
  w.waveOutVolume = 0;
  EXPECT_EQ(levels(&TF_HotkeyHandler::RaiseVolume, 11),
            "6553 13106 19659 26212 32765 39318 45871 52424 58977 65530 65535 ");
  EXPECT_EQ(levels(&TF_HotkeyHandler::LowerVolume, 10),
            "58981 52427 45873 39319 32765 26211 19657 13103 6549 0 ");
  w.waveOutVolume = 0xFFFF0000;  // left silent, right full
  EXPECT_EQ(levels(&TF_HotkeyHandler::RaiseVolume, 1), "6553 ");
  w.waveOutDevices = 0, w.calls.clear();  // read, not set
  EXPECT_EQ(levels(&TF_HotkeyHandler::RaiseVolume, 1), "6553 ");
  EXPECT_EQ(w.calls, (Lines{"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()"}));
  w.waveOutDevices = 1, w.waveOutVolume.reset();  // cannot be read: nothing is set
  Press(kExtraFunction, "Lower Volume");
  EXPECT_EQ(w.calls, (Lines{"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()", kConfirm}));
}

TEST_F(HotkeyDispatcherTest, TheStopwatchAddsTheTimeBetweenTwoPresses) {
  // clang-format off
  const struct { std::int64_t startMs, ms; int noMessages; const char* seconds; bool shown; } cases[] = {
      {0, 1500, 0, "1.5", true}, {0, 1234, 0, "1.23399996757507", true}, {0, 1500, 1, "1.5", false},
      {(1LL << 31) - 500, 1000, 0, "1", true}, {(1LL << 32) + 7, 2000, 0, "2", true},  // past 2^31 ms
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(std::nullopt);
    Settings().NoMessages = c.noMessages, os::fake::world().elapsedMs = c.startMs;
    os::fake::world().locale = os::fake::LocaleFormats("en-US");  // "." between the digits
    F_HotkeyHandler->ToggleStopwatch();
    os::fake::AdvanceClock(c.ms);
    EXPECT_EQ(F_ShowMessage->M_Message.Text(), "") << "started, nothing shown";
    F_HotkeyHandler->ToggleStopwatch();
    EXPECT_EQ(F_ShowMessage->M_Message.Text(),
              "Stopwatch, Time: " + std::string(c.seconds) + " seconds.");
    EXPECT_EQ(F_ShowMessage->Visible(), c.shown) << c.seconds;
  }
}

// A task's prompt runs a nested loop, in which the hotkey is deleted and others come.
TEST_F(HotkeyDispatcherTest, AHotkeyDeletedWhileItsTaskPromptsFinishesSafely) {
  File("tasklist.ini") = "1\r\nask\r\n\r\n[Text|hi]\r\n\r\n\r\nAdd To Clipboard\r\n0\r\n0\r\n";
  Restart(std::nullopt);
  ui::headless::Expect([](ui::headless::Dialog& d) {
    Handler().DeleteHotkey("ask");
    for (int i = 0; i < 100; ++i) Handler().AddHotkey(CHotkey(), false);
    os::fake::world().calls.clear();
    d.value = "typed";
    return 1;
  });
  Press(kExecuteTask, "ask");
  EXPECT_EQ(os::fake::world().calls, (Lines{"clipboard::SetText(\"typed\")", kConfirm}));
}

// The quit question's loop still runs hotkeys; once the answer is Yes, none runs.
TEST_F(HotkeyDispatcherTest, NoHotkeyRunsOnceQuittingIsConfirmed) {
  const int id = Press(kExtraFunction, "Save Clipboard 1");
  for (const int answer : {ui::IDNO, ui::IDYES}) {
    Observed();
    ui::headless::Expect([id, answer](ui::headless::Dialog&) {
      Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(id), 0);
      return answer;
    });
    Velmarind->M_Quit.Click();  // "on" is active: the question comes
    EXPECT_EQ(Observed().back(), "slot 1") << answer;
  }
  Observed();
  for (const int pressed : {id, MemoHotkeyId}) {
    Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(pressed), 0);
    EXPECT_EQ(Observed(), Lines{}) << pressed;
    EXPECT_FALSE(F_Memo->Visible());
  }
}

}  // namespace
