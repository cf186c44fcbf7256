#include "settings/settings_record.h"

#include "../../shared/factory_settings.h"
#include "common/data_file.h"
#include "support/app_test.h"

namespace {

const std::string kSettingsPath = "C:\\Velmarind\\settings.ini";

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// A settings.ini whose every line differs from the factory file: negative
// numbers, texts with blanks, commas and quotes, and a line of 300 bytes.
std::string EveryLineChanged() {
  auto lines = settings_cases::FactoryLines("sound.wav");
  for (std::size_t i = 0; i < lines.size(); ++i)
    lines[i] = common::ParseInt(lines[i]) ? std::to_string(-100 - static_cast<int>(i))
                                       : lines[i] + " \"text\", " + std::to_string(i) + ";";
  lines[3] += std::string(300, 'b');
  lines[31] = "1280";  // a resolution stays only when it is valid
  lines[32] = "1024";
  return Join(lines);
}

class SettingsRecordTest : public AppTest {};

TEST_F(SettingsRecordTest, FactoryFileIsFiftyOneCrLfLinesInFileOrder) {
  // No settings.ini: factory values.
  EXPECT_EQ(CSettings().ToFileText(),
            Join(settings_cases::FactoryLines("C:\\Velmarind\\sound.wav")));
}

TEST_F(SettingsRecordTest, EveryLineReadsBackAsItWasWritten) {
  CSettings s;
  s.FromFileText(EveryLineChanged());
  EXPECT_EQ(s.ToFileText(), EveryLineChanged());
}

TEST_F(SettingsRecordTest, MissingLinesReadAsZeroOrEmptyAndAnEmptyModifierAsNone) {
  auto lines = settings_cases::FactoryLines("C:\\Velmarind\\sound.wav");
  File("sound.wav") = "RIFF";
  File("settings.ini") = Join({lines.begin(), lines.begin() + 10});
  Start();
  for (std::size_t i = 10; i < lines.size(); ++i) lines[i] = common::ParseInt(lines[i]) ? "0" : "";
  lines[16] = "NONE";  // the memo hotkey's modifier
  EXPECT_EQ(Settings().ToFileText(), Join(lines));
}

TEST_F(SettingsRecordTest, LineBreakInsideATextIsSavedAsABlank) {
  CSettings s;
  s.MemoSeparator = "a\r\nb";
  s.Filter3 = "x\ny";
  auto lines = settings_cases::FactoryLines("C:\\Velmarind\\sound.wav");
  lines[8] = "a  b";
  lines[45] = "x y";
  EXPECT_EQ(s.ToFileText(), Join(lines));
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
  CSettings s;
  s.FromFileText(EveryLineChanged());
  s.ProgramDir = "E:\\x\\";
  const std::string language = s.Language;
  s.SetDefaults();
  EXPECT_EQ(s.Language + "|" + s.ProgramDir, language + "|E:\\x\\");
  s.Language.clear();
  EXPECT_EQ(s.ToFileText(), Join(settings_cases::FactoryLines("sound.wav")));
}

TEST_F(SettingsRecordTest, FirstSaveAfterFirstRunClearsTheFlagOnlyWithUseLastKnown) {
  for (int useLastKnown : {0, 1}) {
    os::fake::world().files.erase(kSettingsPath);
    CSettings s;  // first run
    ASSERT_TRUE(s.FirstRun);
    s.UseLastKnown = useLastKnown;
    EXPECT_TRUE(s.SaveSettings());
    EXPECT_EQ(s.FirstRun, useLastKnown == 0) << useLastKnown;
    EXPECT_EQ(os::fake::world().files[kSettingsPath], s.ToFileText());
  }
}

}  // namespace
