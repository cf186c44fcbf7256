#include "settings/settings_record.h"

#include "../../shared/factory_settings.h"
#include "common/data_file.h"
#include "support/headless_test.h"

namespace {

const std::string kSettingsPath = "C:\\Velmarind\\settings.ini";

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  common::LineReader reader(text);
  while (!reader.AtEnd()) lines.push_back(reader.Next());
  return lines;
}

// A record whose every stored value differs from its factory value.
CSettings EveryFieldChanged() {
  CSettings s;
  int n = 100;
  for (auto* member :
       {&s.SignalDelay,     &s.SignalRepeat,      &s.StopOnMouseMove, &s.NoSounds,
        &s.NoMessages,      &s.NoExecute,         &s.SaveUrls,        &s.MemoLeft,
        &s.MemoTop,         &s.MemoWidth,         &s.MemoHeight,      &s.MemoCaretLine,
        &s.UseLastKnown,    &s.MemoHotkeyKey,     &s.ShowAddMemo,     &s.ShowNewAlarm,
        &s.ShowOpenBrowser, &s.ShowAlarmMessages, &s.ShowWebCommand1, &s.ShowWebCommand2,
        &s.ShowWebCommand3, &s.MessagePosition,   &s.AutoActivateNew, &s.AutoActivateEdited,
        &s.MemoTransparent, &s.MemoTransparency,  &s.ResOnlyMessages, &s.ResOnlyTasks,
        &s.ResOnlySounds,   &s.AutoCloseSeconds,  &s.FilterOnAdd1,    &s.FilterOnAdd2,
        &s.FilterOnAdd3})
    *member = n++;
  s.MemoLeft = -5;
  for (auto* member : {&s.SoundFile, &s.Browser, &s.MemoSeparator, &s.MemoHotkeyMod,
                       &s.WebCommandName1, &s.WebCommandUrl1, &s.WebCommandName2, &s.WebCommandUrl2,
                       &s.WebCommandName3, &s.WebCommandUrl3, &s.Language, &s.Filter1, &s.Filter2,
                       &s.Filter3, &s.Filter4, &s.ConfirmSound})
    *member = "text " + std::to_string(n++) + " with blanks, commas; and \"quotes\"";
  s.ResolutionX = "1280";
  s.ResolutionY = "1024";
  return s;
}

class SettingsRecordTest : public HeadlessTest {};

TEST_F(SettingsRecordTest, FactoryFileIsFiftyOneCrLfLinesInFileOrder) {
  CSettings s;  // no settings.ini: factory values
  const std::string text = s.ToFileText();
  const std::vector<std::string> expected =
      settings_cases::FactoryLines("C:\\Velmarind\\sound.wav");
  std::string expectedText;
  for (const auto& line : expected) expectedText += line + "\r\n";
  EXPECT_EQ(text, expectedText);
  EXPECT_EQ(expected.size(), 51u);
}

TEST_F(SettingsRecordTest, RoundTripKeepsEveryValue) {
  const CSettings original = EveryFieldChanged();
  CSettings loaded;
  loaded.FromFileText(original.ToFileText());
  EXPECT_EQ(loaded.ToFileText(), original.ToFileText());
  EXPECT_EQ(LinesOf(original.ToFileText()).size(), 51u);
  EXPECT_EQ(loaded.MemoLeft, -5);
  EXPECT_EQ(loaded.Filter4, original.Filter4);
}

TEST_F(SettingsRecordTest, TwoLinePairsAreStoredSwapped) {
  CSettings s;
  s.NoMessages = 1;
  s.NoSounds = 0;
  s.ShowNewAlarm = 1;
  s.ShowAddMemo = 0;
  const auto lines = LinesOf(s.ToFileText());
  EXPECT_EQ(lines[5], "1");   // line 6: NoMessages
  EXPECT_EQ(lines[6], "0");   // line 7: NoSounds
  EXPECT_EQ(lines[18], "1");  // line 19: ShowNewAlarm
  EXPECT_EQ(lines[19], "0");  // line 20: ShowAddMemo
}

TEST_F(SettingsRecordTest, ShortFileGivesZeroAndEmptyForMissingLines) {
  CSettings s;
  s.FromFileText("a.wav\r\n3000\r\n4\r\nbrowser\r\n1\r\n0\r\n1\r\n0\r\nsep\r\n1\r\n");
  EXPECT_EQ(s.SignalDelay, 3000);
  EXPECT_EQ(s.NoSounds, 1);
  EXPECT_EQ(s.MemoSeparator, "sep");
  EXPECT_EQ(s.MemoLeft, 0);
  EXPECT_EQ(s.MemoWidth, 0);
  EXPECT_EQ(s.UseLastKnown, 0);
  EXPECT_EQ(s.MemoHotkeyMod, "");
  EXPECT_EQ(s.Filter1, "");
  EXPECT_EQ(s.AutoCloseSeconds, 0);
  EXPECT_EQ(s.ConfirmSound, "");
}

TEST_F(SettingsRecordTest, LongLineIsTakenWholeAndLaterLinesStay) {
  CSettings s = EveryFieldChanged();
  s.Browser = std::string(300, 'b');
  CSettings loaded;
  loaded.FromFileText(s.ToFileText());
  EXPECT_EQ(loaded.Browser, s.Browser);
  EXPECT_EQ(loaded.ConfirmSound, s.ConfirmSound);
  EXPECT_EQ(loaded.AutoCloseSeconds, s.AutoCloseSeconds);
}

TEST_F(SettingsRecordTest, LineBreakInsideATextIsSavedAsABlank) {
  CSettings s;
  s.MemoSeparator = "a\r\nb";
  s.Filter3 = "x\ny";
  const auto lines = LinesOf(s.ToFileText());
  ASSERT_EQ(lines.size(), 51u);
  EXPECT_EQ(lines[8], "a  b");
  EXPECT_EQ(lines[45], "x y");
}

TEST_F(SettingsRecordTest, ResolutionRule) {
  struct Case {
    std::string x, y, expectedX, expectedY;
  };
  const Case cases[] = {
      {"1280", "1024", "1280", "1024"},
      {"100", "1024", "", "1024"},
      {"1280", "", "", ""},
      {"", "768", "", ""},
      {"320", "240", "320", "240"},
      {"4000", "3000", "4000", "3000"},
      {"4001", "3001", "", ""},
      {"319", "239", "", ""},
      {"12ab", "768", "", "768"},
      {"1024", "x", "1024", ""},
      {"99999999999", "768", "", "768"},
  };
  for (const Case& c : cases) {
    CSettings s;
    s.ResolutionX = c.x;
    s.ResolutionY = c.y;
    CSettings loaded;
    loaded.FromFileText(s.ToFileText());
    EXPECT_EQ(loaded.ResolutionX, c.expectedX) << c.x << " x " << c.y;
    EXPECT_EQ(loaded.ResolutionY, c.expectedY) << c.x << " x " << c.y;
  }
}

TEST_F(SettingsRecordTest, ProgramDirComesFromTheModuleFileName) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Velmarind\\velmarind.exe", "C:\\Velmarind\\"},
      {"D:\\a\\b c\\v.exe", "D:\\a\\b c\\"},
      {"velmarind.exe", ""},
  };
  for (const auto& [path, dir] : cases) {
    os::fake::world().executablePath = path;
    CSettings s;
    EXPECT_EQ(s.ProgramDir, dir) << path;
  }
}

TEST_F(SettingsRecordTest, SoundFileIsMadeAbsoluteOnlyWithoutBackslash) {
  const std::pair<std::string, std::string> cases[] = {
      {"bell.wav", "C:\\Velmarind\\bell.wav"},
      {"D:\\sounds\\bell.wav", "D:\\sounds\\bell.wav"},
      {"", ""},
  };
  for (const auto& [line, expected] : cases) {
    CSettings written;
    written.SoundFile = line;
    os::fake::world().files[kSettingsPath] = written.ToFileText();
    CSettings s;
    EXPECT_EQ(s.SoundFile, expected) << line;
  }
}

TEST_F(SettingsRecordTest, SetDefaultsLeavesLanguageAndProgramDir) {
  CSettings s = EveryFieldChanged();
  s.ProgramDir = "E:\\x\\";
  s.SetDefaults();
  EXPECT_EQ(s.Language, EveryFieldChanged().Language);
  EXPECT_EQ(s.ProgramDir, "E:\\x\\");
  EXPECT_EQ(s.MemoHotkeyMod, "NONE");
  EXPECT_EQ(s.AutoCloseSeconds, 180);
  EXPECT_EQ(s.NoSounds, 0);
  EXPECT_EQ(s.UseLastKnown, 1);
}

TEST_F(SettingsRecordTest, FailedSaveReportsFalseAndLeavesTheOldFile) {
  os::fake::world().files[kSettingsPath] = "old";
  os::fake::world().failingSaves.insert(kSettingsPath);
  CSettings s;
  EXPECT_FALSE(s.SaveSettings());
  EXPECT_EQ(os::fake::world().files[kSettingsPath], "old");
}

TEST_F(SettingsRecordTest, FirstSaveAfterFirstRunClearsTheFlagOnlyWithUseLastKnown) {
  for (int useLastKnown : {0, 1}) {
    os::fake::world().files.erase(kSettingsPath);
    CSettings s;  // first run
    ASSERT_TRUE(s.FirstRun);
    s.UseLastKnown = useLastKnown;
    EXPECT_TRUE(s.SaveSettings());
    EXPECT_EQ(s.FirstRun, useLastKnown == 0) << useLastKnown;
    EXPECT_EQ(LinesOf(os::fake::world().files[kSettingsPath]).size(), 51u);
  }
}

}  // namespace
