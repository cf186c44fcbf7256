#include "settings/settings_record.h"

#include <vector>

#include "common/data_file.h"
#include "os/os.h"

namespace {

// One line of settings.ini: its member, a number or a text.
struct Line {
  int CSettings::*number;
  std::string CSettings::*text;
};

Line Num(int CSettings::*member) {
  return {member, nullptr};
}
Line Text(std::string CSettings::*member) {
  return {nullptr, member};
}

// settings.ini in file order. Note lines 6/7 and 19/20, which differ from
// the order of the members.
const std::vector<Line>& FileLines() {
  static const std::vector<Line> lines = {
      Text(&CSettings::SoundFile),         Num(&CSettings::SignalDelay),
      Num(&CSettings::SignalRepeat),       Text(&CSettings::Browser),
      Num(&CSettings::StopOnMouseMove),    Num(&CSettings::NoMessages),
      Num(&CSettings::NoSounds),           Num(&CSettings::NoExecute),
      Text(&CSettings::MemoSeparator),     Num(&CSettings::SaveUrls),
      Num(&CSettings::MemoLeft),           Num(&CSettings::MemoTop),
      Num(&CSettings::MemoWidth),          Num(&CSettings::MemoHeight),
      Num(&CSettings::MemoCaretLine),      Num(&CSettings::UseLastKnown),
      Text(&CSettings::MemoHotkeyMod),     Num(&CSettings::MemoHotkeyKey),
      Num(&CSettings::ShowNewAlarm),       Num(&CSettings::ShowAddMemo),
      Num(&CSettings::ShowOpenBrowser),    Num(&CSettings::ShowAlarmMessages),
      Num(&CSettings::ShowWebCommand1),    Num(&CSettings::ShowWebCommand2),
      Num(&CSettings::ShowWebCommand3),    Text(&CSettings::WebCommandName1),
      Text(&CSettings::WebCommandUrl1),    Text(&CSettings::WebCommandName2),
      Text(&CSettings::WebCommandUrl2),    Text(&CSettings::WebCommandName3),
      Text(&CSettings::WebCommandUrl3),    Text(&CSettings::ResolutionX),
      Text(&CSettings::ResolutionY),       Num(&CSettings::MessagePosition),
      Text(&CSettings::Language),          Num(&CSettings::AutoActivateNew),
      Num(&CSettings::AutoActivateEdited), Num(&CSettings::MemoTransparent),
      Num(&CSettings::MemoTransparency),   Num(&CSettings::ResOnlyMessages),
      Num(&CSettings::ResOnlyTasks),       Num(&CSettings::ResOnlySounds),
      Num(&CSettings::AutoCloseSeconds),   Text(&CSettings::Filter1),
      Text(&CSettings::Filter2),           Text(&CSettings::Filter3),
      Text(&CSettings::Filter4),           Num(&CSettings::FilterOnAdd1),
      Num(&CSettings::FilterOnAdd2),       Num(&CSettings::FilterOnAdd3),
      Text(&CSettings::ConfirmSound),
  };
  return lines;
}

bool InRange(const std::string& text, int low, int high) {
  const auto number = common::ParseInt(text);
  return number && *number >= low && *number <= high;
}

bool HasBackslash(const std::string& text) {
  return text.find('\\') != std::string::npos;
}

}  // namespace

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
  const std::string path = os::files::ExecutablePath();
  const std::size_t slash = path.rfind('\\');
  ProgramDir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
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
  for (const Line& line : FileLines()) {
    const std::string value = reader.Next();
    if (line.number)
      this->*line.number = common::ReadInt(value);
    else
      this->*line.text = value;
  }
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
  for (const Line& line : FileLines()) {
    if (line.number)
      common::AppendLine(text, this->*line.number);
    else
      common::AppendLine(text, this->*line.text);
  }
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
