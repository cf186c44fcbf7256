#include "settings/settings_record.h"

#include "../../shared/factory_settings.h"
#include "app/data_file.h"
#include "support/app_test.h"

namespace {

const std::string kSettingsPath = "C:\\Velmarind\\settings.ini";

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  app::LineReader reader(text);
  while (!reader.AtEnd()) lines.push_back(reader.Next());
  return lines;
}

std::string FactoryText(const std::string& soundFile) {
  std::string text;
  for (const auto& line : settings_cases::FactoryLines(soundFile)) text += line + "\r\n";
  return text;
}

// The numbers, separated by blanks.
template <class... Ints>
std::string Numbers(Ints... numbers) {
  std::string text;
  ((text += (text.empty() ? "" : " ") + std::to_string(numbers)), ...);
  return text;
}

// A record whose every stored value differs from its factory value, with a
// negative number, a line longer than a read buffer and the text separators.
CSettings EveryFieldChanged() {
  CSettings s;
  int n = 100;
  for (auto* member :
       {&s.SignalDelay,       &s.SignalRepeat,    &s.StopOnMouseMove,    &s.NoSounds,
        &s.NoMessages,        &s.NoExecute,       &s.SaveUrls,           &s.MemoTop,
        &s.MemoWidth,         &s.MemoHeight,      &s.MemoCaretLine,      &s.UseLastKnown,
        &s.MemoHotkeyKey,     &s.ShowAddMemo,     &s.ShowNewAlarm,       &s.ShowOpenBrowser,
        &s.ShowAlarmMessages, &s.ShowWebCommand1, &s.ShowWebCommand2,    &s.ShowWebCommand3,
        &s.MessagePosition,   &s.AutoActivateNew, &s.AutoActivateEdited, &s.MemoTransparent,
        &s.MemoTransparency,  &s.ResOnlyMessages, &s.ResOnlyTasks,       &s.ResOnlySounds,
        &s.AutoCloseSeconds,  &s.FilterOnAdd1,    &s.FilterOnAdd2,       &s.FilterOnAdd3})
    *member = n++;
  s.MemoLeft = -5;
  for (auto* member :
       {&s.SoundFile, &s.MemoSeparator, &s.MemoHotkeyMod, &s.WebCommandName1, &s.WebCommandUrl1,
        &s.WebCommandName2, &s.WebCommandUrl2, &s.WebCommandName3, &s.WebCommandUrl3, &s.Language,
        &s.Filter1, &s.Filter2, &s.Filter3, &s.Filter4, &s.ConfirmSound})
    *member = "text " + std::to_string(n++) + " with blanks, commas; and \"quotes\"";
  s.Browser = std::string(300, 'b');
  s.ResolutionX = "1280";
  s.ResolutionY = "1024";
  return s;
}

class SettingsRecordTest : public AppTest {};

TEST_F(SettingsRecordTest, FactoryFileIsFiftyOneCrLfLinesInFileOrder) {
  const std::string factory = FactoryText("C:\\Velmarind\\sound.wav");
  EXPECT_EQ(CSettings().ToFileText(), factory);  // no settings.ini: factory values
  EXPECT_EQ(LinesOf(factory).size(), 51u);
}

TEST_F(SettingsRecordTest, RoundTripKeepsEveryValue) {
  const CSettings original = EveryFieldChanged();
  CSettings loaded;
  loaded.FromFileText(original.ToFileText());
  EXPECT_EQ(loaded.ToFileText(), original.ToFileText());
  EXPECT_EQ(LinesOf(original.ToFileText()).size(), 51u);
  EXPECT_EQ(loaded.MemoLeft, -5);
  EXPECT_EQ(loaded.Browser + loaded.ConfirmSound, original.Browser + original.ConfirmSound);
}

TEST_F(SettingsRecordTest, ShortFileGivesZeroAndEmptyAndTheHotkeyNone) {
  File("sound.wav") = "RIFF";
  File("settings.ini") = "sound.wav\r\n3000\r\n4\r\nbrowser\r\n1\r\n0\r\n1\r\n0\r\nsep\r\n1\r\n";
  Start();
  const CSettings& s = Settings();
  EXPECT_EQ(Numbers(s.SignalDelay, s.NoSounds, s.SaveUrls, s.MemoLeft, s.MemoWidth, s.UseLastKnown,
                    s.AutoCloseSeconds, s.FilterOnAdd3),
            "3000 1 1 0 0 0 0 0");
  EXPECT_EQ(s.MemoSeparator + "|" + s.Filter1 + "|" + s.ConfirmSound, "sep||");
  EXPECT_EQ(s.MemoHotkeyMod, "NONE") << "an empty modifier is no hotkey";
}

TEST_F(SettingsRecordTest, LineBreakInsideATextIsSavedAsABlank) {
  CSettings s;
  s.MemoSeparator = "a\r\nb";
  s.Filter3 = "x\ny";
  const auto lines = LinesOf(s.ToFileText());
  ASSERT_EQ(lines.size(), 51u);
  EXPECT_EQ(lines[8] + "|" + lines[45], "a  b|x y");
}

TEST_F(SettingsRecordTest, ResolutionRule) {
  // clang-format off
  const struct { const char *x, *y, *loadedX, *loadedY; } cases[] = {
      {"1280", "1024", "1280", "1024"}, {"1280", "", "", ""},     {"", "768", "", ""},
      {"320",  "240",  "320",  "240"},  {"319",  "239", "", ""},  // the lower edges
      {"4000", "3000", "4000", "3000"}, {"4001", "3001", "", ""},  // the upper edges
      {"12ab", "768",  "",     "768"},  {"1024", "x", "1024", ""},
      {"99999999999", "768", "", "768"},
  };
  // clang-format on
  for (const auto& c : cases) {
    CSettings s;
    s.ResolutionX = c.x;
    s.ResolutionY = c.y;
    CSettings loaded;
    loaded.FromFileText(s.ToFileText());
    EXPECT_EQ(loaded.ResolutionX + " x " + loaded.ResolutionY,
              std::string(c.loadedX) + " x " + c.loadedY)
        << c.x << " x " << c.y;
  }
}

TEST_F(SettingsRecordTest, SoundFileIsMadeAbsoluteOnlyWithoutBackslash) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"bell.wav", "C:\\Velmarind\\bell.wav"}, {"D:\\sounds\\bell.wav", "D:\\sounds\\bell.wav"}, {"", ""},
  };
  // clang-format on
  for (const auto& [line, expected] : cases) {
    CSettings written;
    written.SoundFile = line;
    os::fake::world().files[kSettingsPath] = written.ToFileText();
    EXPECT_EQ(CSettings().SoundFile, expected) << line;
  }
}

TEST_F(SettingsRecordTest, SetDefaultsLeavesLanguageAndProgramDir) {
  CSettings s = EveryFieldChanged();
  s.ProgramDir = "E:\\x\\";
  s.SetDefaults();
  EXPECT_EQ(s.Language, EveryFieldChanged().Language);
  EXPECT_EQ(s.ProgramDir, "E:\\x\\");
  s.Language.clear();
  EXPECT_EQ(s.ToFileText(), FactoryText("sound.wav"));
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
