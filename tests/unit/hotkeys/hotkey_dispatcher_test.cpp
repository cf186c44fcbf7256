// The dispatcher: what a pressed hotkey runs, the extra functions, the confirmation sound.
#include <cstdint>
#include <utility>

#include "alarms/alarm_handler_form.h"
#include "hotkeys/extra_functions.h"
#include "hotkeys/hotkey_test.h"
#include "memo/memo_form.h"
#include "settings/show_message.h"
#include "tasks/task_handler_form.h"

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
    File("tasklist.ini") = CrLf({"2", "fails", "", "gone.wav", "", "", "Play Sound", "0", "0", "ok",
                                 "", "done", "", "", "Add To Clipboard", "0", "0"});
    File("alarmlist.ini") =
        CrLf({"2",  "off", "",        "0:10:00", "",  "m", "0", "0", "0", "1",  "64", "0", "0", "0",
              "on", "",    "0:10:00", "",        "m", "0", "0", "0", "1", "64", "1",  "0", "0"});
    Restart(nullptr);
    os::fake::world().clipboardText = "x", os::fake::world().clipboardHasText = true;
    os::fake::world().windowClasses["Winamp v1.x"] = 77;
  }
  // Adds an enabled hotkey running this, on a combination of its own, and presses it.
  static void Press(int function, const std::string& param) {
    static int id = 0;
    CHotkey hotkey;
    hotkey.Name = param, hotkey.Function = function, hotkey.Param = param, hotkey.Id = ++id;
    hotkey.Key = id % 62, hotkey.Modifier = id / 62 % 2 ? "ALT" : "CTRL", hotkey.Enabled = 1;
    Handler().AddHotkey(hotkey, false);
    os::fake::world().calls.clear();
    Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(hotkey.Id), 0);
  }
  // The calls made, then the windows shown and the clipboard slots filled; all forgotten.
  static Lines Observed() {
    Lines seen = std::exchange(os::fake::world().calls, {});
    for (ui::TForm* form : std::initializer_list<ui::TForm*>{F_Settings, F_ShowMessage})
      if (form->Visible()) seen.push_back("shown " + form->Name), form->Hide();
    for (CClipBoard& slot : Velmarind->Clip)
      if (!slot.Text.empty()) seen.push_back("slot " + slot.Text), slot.Text.clear();
    return seen;
  }
};

TEST_F(HotkeyDispatcherTest, ExtraFunctionsRunTheirActionAndTheSoundFollowsWhereItShould) {
  const std::string winamp = "windows::FindByClass(\"Winamp v1.x\")";
  auto sent = [](int command) {
    return "windows::SendWithTimeout(77,273," + std::to_string(command) + ",0,3000)";
  };
  const std::string clip = "clipboard::GetText()", web = "shell::Execute(\"\",\"";
  // clang-format off
  const struct { const char* param; Lines seen; } cases[] = {
      {"Stopwatch",           {kConfirm}},  // started: nothing to show yet
      {"Raise Volume",        {"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()", "sound::SetWaveOutVolume(4294967295)", kConfirm}},
      {"Lower Volume",        {"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()", "sound::SetWaveOutVolume(3865437797)", kConfirm}},
      {"Add To Memo",         {clip, "files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")", kConfirm}},
      {"Play Alarm Signal",   {"sound::PlayWave(\"C:\\Velmarind\\sound.wav\",139265)"}},
      {"Open In Browser",     {clip, "shell::Execute(\"Open\",\"x\",\"\",\"\",5)", kConfirm}},
      {"Web Command 1",       {clip, web + "one x\",\"\",\"\",1)", kConfirm}},
      {"Web Command 2",       {clip, web + "two x\",\"\",\"\",1)", kConfirm}},
      {"Web Command 3",       {clip, web + "three x\",\"\",\"\",1)", kConfirm}},
      {"Winamp (Play)",       {winamp, sent(40045)}},
      {"Winamp (Pause)",      {winamp, sent(40046)}},
      {"Winamp (Stop)",       {winamp, sent(40047)}},
      {"Winamp (Next)",       {winamp, sent(40048)}},
      {"Winamp (Previous)",   {winamp, sent(40044)}},
      {"Show Settings",       {"shown F_Settings"}},
      {"Show Alarm Messages", {"shown F_ShowMessage"}},
      {"Save Clipboard 1",    {clip, kConfirm, "slot x"}},
      {"Save Clipboard 2",    {clip, kConfirm, "slot x"}},
      {"Save Clipboard 3",    {clip, kConfirm, "slot x"}},
      {"New Alarm",           {"modal F_Alarm", kConfirm}},
      {"stopwatch",           {kConfirm}},  // compared exactly: no function, the sound all the same
      {"",                    {kConfirm}},
  };
  // clang-format on
  ASSERT_EQ(ExtraFunctions().size(), 20u);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    if (i < 20) {
      EXPECT_STREQ(ExtraFunctions()[i].name, c.param) << "the editor's order";
    }
    if (c.seen.front() == "modal F_Alarm")
      ui::headless::Expect([](ui::headless::Dialog& d) {
        os::fake::world().calls.push_back("modal " + d.form->Name);
        return 0;
      });
    Press(kExtraFunction, c.param);
    EXPECT_EQ(Observed(), c.seen) << c.param;
  }
  // Which slot a click fills.
  Press(kExtraFunction, "Save Clipboard 3");
  EXPECT_EQ(Velmarind->Clip[2].Text, "x");
  Settings().SoundFile = "";  // no alarm signal: not the system's default sound either
  Press(kExtraFunction, "Play Alarm Signal");
  EXPECT_EQ(os::fake::world().calls, Lines{});
}

// The confirmation sound: after any task, after an activation that worked, not after a
// refused one or an unknown function; an alarm activated by a key is saved, listed and shown.
TEST_F(HotkeyDispatcherTest, TasksAlarmsAndUnknownFunctionsDecideTheSound) {
  const std::string clip = "clipboard::SetText(\"done\")";
  const std::string saved = "files::SaveAtomically(\"C:\\Velmarind\\alarmlist.ini\")";
  // clang-format off
  const struct { int function; const char* param; Lines seen; const char* status; } cases[] = {
      {kExecuteTask,   "ok",      {clip, kConfirm}, "stale"},      // 1
      {kExecuteTask,   "fails",   {kConfirm}, "stale"},            // 0
      {kExecuteTask,   "missing", {kConfirm}, "stale"},            // -1
      {kActivateAlarm, "off",     {saved, kConfirm}, ""},          // 1: ShowAlarmInfo clears the stale text
      {kActivateAlarm, "on",      {}, "stale"},                    // 0: active already
      {kActivateAlarm, "missing", {}, "stale"},                    // -1
      {3,              "ok",      {}, "stale"},
      {-1,             "ok",      {}, "stale"},
  };
  // clang-format on
  for (const auto& c : cases) {
    F_AlarmHandler->StatusBar.SetSimpleText("stale");
    Press(c.function, c.param);
    EXPECT_EQ(Observed(), c.seen) << c.function << " " << c.param;
    EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), c.status) << c.function << " " << c.param;
  }
  EXPECT_EQ(F_AlarmHandler->LB_AlarmsActive.Items(), (Lines{"off", "on"})) << "refreshed";
  // Nothing for an id no hotkey has, a disabled hotkey, or without a confirmation sound.
  Press(kExecuteTask, "fails");
  Handler().DisableHotkeyAt(Handler().Count() - 1);
  for (int id : {0, 9000, Handler().Hotkeys.back().Id}) {
    os::fake::world().calls.clear();
    Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(id), 0);
    EXPECT_EQ(os::fake::world().calls, Lines{}) << id;
  }
  Settings().ConfirmSound = "";
  Press(kExtraFunction, "Stopwatch");
  EXPECT_EQ(Observed(), Lines{});
}

TEST_F(HotkeyDispatcherTest, VolumeStepsATenthFromTheLeftChannel) {
  auto& w = os::fake::world();
  auto press = [&](const char* which, int times) {
    Lines levels;
    for (int i = 0; i < times; ++i) {
      (std::string(which) == "raise" ? F_HotkeyHandler->RaiseVolume()
                                     : F_HotkeyHandler->LowerVolume());
      const std::uint32_t v = w.waveOutVolume.value_or(7);
      levels.push_back(std::to_string(v & 0xFFFF) + (v >> 16 == (v & 0xFFFF) ? "" : " uneven"));
    }
    return levels;
  };
  w.waveOutVolume = 0;
  EXPECT_EQ(press("raise", 11), (Lines{"6553", "13106", "19659", "26212", "32765", "39318", "45871",
                                       "52424", "58977", "65530", "65535"}));
  EXPECT_EQ(press("lower", 10), (Lines{"58981", "52427", "45873", "39319", "32765", "26211",
                                       "19657", "13103", "6549", "0"}));
  w.waveOutVolume = 0xFFFF0000;  // left silent, right full
  EXPECT_EQ(press("raise", 1), Lines{"6553"});
  w.waveOutDevices = 0;  // read, not set
  w.calls.clear();
  EXPECT_EQ(press("raise", 1), Lines{"6553"});
  EXPECT_EQ(w.calls, (Lines{"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()"}));
  w.waveOutDevices = 1, w.waveOutVolume.reset();  // cannot be read: nothing is set
  Press(kExtraFunction, "Lower Volume");
  EXPECT_EQ(w.calls, (Lines{"sound::WaveOutDeviceCount()", "sound::WaveOutVolume()", kConfirm}));
}

TEST_F(HotkeyDispatcherTest, TheStopwatchAddsTheTimeBetweenTwoPresses) {
  // clang-format off
  const struct { std::int64_t startMs, elapsedMs; int noMessages; const char* line; bool shown; } cases[] = {
      {0,                  1500, 0, "Stopwatch, Time: 1.5 seconds.", true},
      {0,                  1234, 0, "Stopwatch, Time: 1.23399996757507 seconds.", true},
      {0,                  1500, 1, "Stopwatch, Time: 1.5 seconds.", false},
      {(1LL << 31) - 500,  1000, 0, "Stopwatch, Time: 1 seconds.", true},  // past 2^31 ms
      {(1LL << 32) + 7,    2000, 0, "Stopwatch, Time: 2 seconds.", true},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(nullptr);
    Settings().NoMessages = c.noMessages;
    os::fake::world().elapsedMs = c.startMs;
    F_HotkeyHandler->ToggleStopwatch();
    EXPECT_EQ(F_ShowMessage->M_Message.Text(), "") << "started, nothing shown";
    os::fake::AdvanceClock(c.elapsedMs);
    F_HotkeyHandler->ToggleStopwatch();
    EXPECT_EQ(F_ShowMessage->M_Message.Text(), c.line);
    EXPECT_EQ(F_ShowMessage->Visible(), c.shown) << c.line;
  }
  F_ShowMessage->Hide();
  F_HotkeyHandler->ToggleStopwatch();  // a third press starts anew
  EXPECT_FALSE(F_ShowMessage->Visible());
}

// A task's prompt runs a nested loop, in which the hotkey is deleted and others come.
TEST_F(HotkeyDispatcherTest, AHotkeyDeletedWhileItsTaskPromptsFinishesSafely) {
  File("tasklist.ini") = CrLf({"1", "ask", "", "[Text|hi]", "", "", "Add To Clipboard", "0", "0"});
  Restart(nullptr);
  ui::headless::Expect([](ui::headless::Dialog& d) {
    Handler().DeleteHotkey("ask");
    for (int i = 0; i < 100; ++i) {
      CHotkey other;
      other.Name = "other" + std::to_string(i), other.Id = 100 + i;
      Handler().AddHotkey(other, false);
    }
    d.value = "typed";
    return 1;
  });
  Press(kExecuteTask, "ask");
  EXPECT_EQ(os::fake::CallsStartingWith("clipboard"), Lines{"clipboard::SetText(\"typed\")"});
  EXPECT_EQ(os::fake::CallsStartingWith("sound"), Lines{kConfirm});
}

// The quit question's loop still runs hotkeys; once the answer is Yes, none runs.
TEST_F(HotkeyDispatcherTest, NoHotkeyRunsOnceQuittingIsConfirmed) {
  Press(kExtraFunction, "Save Clipboard 1");
  const int id = Handler().Hotkeys.back().Id;
  auto pressDuringQuestion = [id](int answer) {
    ui::headless::Expect([id, answer](ui::headless::Dialog&) {
      Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(id), 0);
      return answer;
    });
    Velmarind->M_Quit.Click();  // "on" is active: the question comes
  };
  for (const int answer : {ui::IDNO, ui::IDYES}) {
    Observed();
    pressDuringQuestion(answer);
    EXPECT_EQ(os::fake::CallsStartingWith("clipboard"), Lines{"clipboard::GetText()"}) << answer;
  }
  Observed();
  for (const int pressed : {id, MemoHotkeyId}) {
    Velmarind->Perform(ui::WM_HOTKEY, static_cast<std::uintptr_t>(pressed), 0);
    EXPECT_EQ(Observed(), Lines{}) << pressed;
    EXPECT_FALSE(F_Memo->Visible());
  }
}

}  // namespace
