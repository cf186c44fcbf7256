#include "settings/settings_record.h"

#include "common/record_file.h"
#include "os/os.h"

namespace {

// settings.ini in file order. Note lines 6/7 and 19/20, which differ from
// the order of the members.
// clang-format off
constexpr common::Field<CSettings> kSettingsLines[] = {
    &CSettings::SoundFile,          &CSettings::SignalDelay,        &CSettings::SignalRepeat,
    &CSettings::Browser,            &CSettings::StopOnMouseMove,    &CSettings::NoMessages,
    &CSettings::NoSounds,           &CSettings::NoExecute,          &CSettings::MemoSeparator,
    &CSettings::SaveUrls,           &CSettings::MemoLeft,           &CSettings::MemoTop,
    &CSettings::MemoWidth,          &CSettings::MemoHeight,         &CSettings::MemoCaretLine,
    &CSettings::UseLastKnown,       &CSettings::MemoHotkeyMod,      &CSettings::MemoHotkeyKey,
    &CSettings::ShowNewAlarm,       &CSettings::ShowAddMemo,        &CSettings::ShowOpenBrowser,
    &CSettings::ShowAlarmMessages,  &CSettings::ShowWebCommand1,    &CSettings::ShowWebCommand2,
    &CSettings::ShowWebCommand3,    &CSettings::WebCommandName1,    &CSettings::WebCommandUrl1,
    &CSettings::WebCommandName2,    &CSettings::WebCommandUrl2,     &CSettings::WebCommandName3,
    &CSettings::WebCommandUrl3,     &CSettings::ResolutionX,        &CSettings::ResolutionY,
    &CSettings::MessagePosition,    &CSettings::Language,           &CSettings::AutoActivateNew,
    &CSettings::AutoActivateEdited, &CSettings::MemoTransparent,    &CSettings::MemoTransparency,
    &CSettings::ResOnlyMessages,    &CSettings::ResOnlyTasks,       &CSettings::ResOnlySounds,
    &CSettings::AutoCloseSeconds,   &CSettings::Filter1,            &CSettings::Filter2,
    &CSettings::Filter3,            &CSettings::Filter4,            &CSettings::FilterOnAdd1,
    &CSettings::FilterOnAdd2,       &CSettings::FilterOnAdd3,       &CSettings::ConfirmSound,
};
// clang-format on

bool InRange(const std::string& text, int low, int high) {
  const auto number = common::ParseInt(text);
  return number && *number >= low && *number <= high;
}

bool HasBackslash(const std::string& text) {
  return text.find('\\') != std::string::npos;
}

}  // namespace

std::string ProgramFolder() {
  const std::string path = os::files::ExecutablePath();
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::optional<std::string> ProgramFile(const std::string& name) {
  const CSettings* settings = SettingsRecord();
  if (!settings) return std::nullopt;
  return settings->ProgramDir + name;
}

std::optional<std::string> ReadProgramFile(const std::string& name) {
  const auto path = ProgramFile(name);
  return path ? os::files::Read(*path) : std::nullopt;
}

CSettings::CSettings() {
  SetDefaults();
  SetProgramDir();
  LoadSettings();
}

void CSettings::SetDefaults() {
  FirstRun = false;
  MemoLeft = 16;
  MemoTop = 16;
  MemoWidth = 360;
  MemoHeight = 320;
  MemoCaretLine = 1;
  MemoHotkeyMod = "NONE";
  MemoHotkeyKey = 0;
  ResetFlags();
  FileName = "settings.ini";
  SoundFile = "sound.wav";
  SignalDelay = 2000;
  SignalRepeat = 5;
  Browser = "iexplore -new";
  WebCommandName1 = "Search Google";
  WebCommandUrl1 = "http://www.google.com/search?q=\"%C\"&hl=en&btnG=GOOGLE";
  WebCommandName2 = "Search IMDb";
  WebCommandUrl2 = "http://www.imdb.com/find?s=all&q=\"%C\"";
  WebCommandName3 = "Search Wikipedia";
  WebCommandUrl3 = "http://en.wikipedia.org/wiki/\"%C\"";
  MemoSeparator.clear();
  ResolutionX.clear();
  ResolutionY.clear();
  MessagePosition = 0;
  DefaultMessage = "Wake up!";
  Filter1 = "strip( ),strip_end( ),find(http://),append_first(http://)";
  Filter2 = "encrypt()";
  Filter3.clear();
  Filter4.clear();
  ConfirmSound.clear();
}

void CSettings::ResetFlags() {
  for (int CSettings::*flag :
       {&CSettings::AnyTrayExtra,      &CSettings::StopOnMouseMove,    &CSettings::NoSounds,
        &CSettings::NoMessages,        &CSettings::NoExecute,          &CSettings::SaveUrls,
        &CSettings::ShowAddMemo,       &CSettings::ShowNewAlarm,       &CSettings::ShowOpenBrowser,
        &CSettings::ShowAlarmMessages, &CSettings::ShowWebCommand1,    &CSettings::ShowWebCommand2,
        &CSettings::ShowWebCommand3,   &CSettings::AutoActivateEdited, &CSettings::MemoTransparent,
        &CSettings::ResOnlyMessages,   &CSettings::ResOnlyTasks,       &CSettings::ResOnlySounds,
        &CSettings::FilterOnAdd1,      &CSettings::FilterOnAdd2,       &CSettings::FilterOnAdd3})
    this->*flag = 0;
  UseLastKnown = 1;
  AutoActivateNew = 1;
  MemoTransparency = 12;
  AutoCloseSeconds = 180;
}

void CSettings::SetProgramDir() {
  ProgramDir = ProgramFolder();
}

void CSettings::LoadSettings() {
  const auto file = os::files::Read(ProgramDir + FileName);
  if (!file) {
    MakeSoundFileAbsolute();
    FirstRun = true;
    return;
  }
  FromFileText(*file);
  if (!SoundFile.empty()) MakeSoundFileAbsolute();
}

void CSettings::MakeSoundFileAbsolute() {
  if (!HasBackslash(SoundFile)) SoundFile = ProgramDir + SoundFile;
}

void CSettings::FromFileText(const std::string& text) {
  common::LineReader reader(text);
  common::ReadRecord(reader, *this, kSettingsLines);
  ApplyResolutionRule();
}

// Both resolution values must be set and in range; a value that is not a
// decimal number counts as out of range.
void CSettings::ApplyResolutionRule() {
  if (ResolutionX.empty() || ResolutionY.empty()) {
    ResolutionX.clear();
    ResolutionY.clear();
    return;
  }
  if (!InRange(ResolutionX, 320, 4000)) ResolutionX.clear();
  if (!InRange(ResolutionY, 240, 3000)) ResolutionY.clear();
}

std::string CSettings::ToFileText() const {
  std::string text;
  common::AppendRecord(text, *this, kSettingsLines);
  return text;
}

bool CSettings::SaveSettings() {
  if (UseLastKnown == 1) {
    if (!FirstRun)
      CaptureMemoWindow();
    else
      FirstRun = false;
  }
  return os::files::SaveAtomically(ProgramDir + FileName, ToFileText());
}
