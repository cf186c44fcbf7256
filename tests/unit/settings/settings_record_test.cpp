#include "settings/settings_record.h"

#include "../../shared/factory_settings.h"
#include "common/data_file.h"
#include "support/app_test.h"

namespace {

using Strings = std::vector<std::string>;
const std::string kSettingsPath = "C:\\Velmarind\\settings.ini",
                  kSound = "C:\\Velmarind\\sound.wav";

std::string Join(const Strings& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// A settings.ini whose every line differs from the factory file: negative numbers, texts with
// blanks, commas and quotes, and a line of 300 bytes.
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

TEST_F(SettingsRecordTest, FactoryFileReadsBackEveryLineAndTurnsLineBreaksIntoBlanks) {
  EXPECT_EQ(CSettings().ToFileText(), Join(settings_cases::FactoryLines(kSound)))
      << "no settings.ini: factory values";
  CSettings s;
  s.FromFileText(EveryLineChanged());
  EXPECT_EQ(s.ToFileText(), EveryLineChanged());
  s = CSettings();
  s.MemoSeparator = "a\r\nb";
  s.Filter3 = "x\ny";
  auto lines = settings_cases::FactoryLines(kSound);
  lines[8] = "a  b";
  lines[45] = "x y";
  EXPECT_EQ(s.ToFileText(), Join(lines));
}

TEST_F(SettingsRecordTest, MissingLinesReadAsZeroOrEmptyAndAnEmptyModifierAsNone) {
  auto lines = settings_cases::FactoryLines(kSound);
  File("sound.wav") = "RIFF";
  File("settings.ini") = Join({lines.begin(), lines.begin() + 10});
  Start();
  for (std::size_t i = 10; i < lines.size(); ++i) lines[i] = common::ParseInt(lines[i]) ? "0" : "";
  lines[16] = "NONE";  // the memo hotkey's modifier
  EXPECT_EQ(Settings().ToFileText(), Join(lines));
}

TEST_F(SettingsRecordTest, AResolutionIsKeptOnlyWhenBothAreNumbersFrom320x240To4000x3000) {
  // clang-format off
  const struct { const char *x, *y, *loaded; } cases[] = {
      {"1280", "1024", "1280 x 1024"}, {"1280", "", " x "}, {"320", "240", "320 x 240"}, {"319", "239", " x "},
      {"4000", "3000", "4000 x 3000"}, {"4001", "3001", " x "}, {"12ab", "768", " x 768"}, {"1024", "x", "1024 x "},
  };
  // clang-format on
  for (const auto& c : cases) {
    CSettings s, loaded;
    s.ResolutionX = c.x;
    s.ResolutionY = c.y;
    loaded.FromFileText(s.ToFileText());
    EXPECT_EQ(loaded.ResolutionX + " x " + loaded.ResolutionY, c.loaded) << c.x << " x " << c.y;
  }
}

TEST_F(SettingsRecordTest, SoundFileIsMadeAbsoluteOnlyWithoutBackslash) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"bell.wav", "C:\\Velmarind\\bell.wav"}, {"D:\\sounds\\bell.wav", "D:\\sounds\\bell.wav"}, {"", ""}};
  // clang-format on
  for (const auto& [line, expected] : cases) {
    os::fake::world().files[kSettingsPath] = line + "\r\n";  // the other lines missing
    EXPECT_EQ(CSettings().SoundFile, expected) << line;
  }
}

TEST_F(SettingsRecordTest, SetDefaultsLeavesLanguageAndProgramDir) {
  CSettings s;
  s.FromFileText(EveryLineChanged());
  s.ProgramDir = "E:\\x\\";
  auto lines = settings_cases::FactoryLines("sound.wav");
  lines[34] = s.Language;
  s.SetDefaults();
  EXPECT_EQ(s.ProgramDir + "|" + s.ToFileText(), "E:\\x\\|" + Join(lines));
}

TEST_F(SettingsRecordTest, FirstSaveAfterFirstRunClearsTheFlagOnlyWithUseLastKnown) {
  for (int useLastKnown : {0, 1}) {
    os::fake::world().files.erase(kSettingsPath);
    CSettings s;  // first run
    s.UseLastKnown = useLastKnown;
    EXPECT_TRUE(s.SaveSettings());
    EXPECT_EQ(s.FirstRun, useLastKnown == 0) << useLastKnown;
    EXPECT_EQ(os::fake::world().files[kSettingsPath], s.ToFileText());
  }
}

}  // namespace
