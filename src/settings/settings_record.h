// The settings record: the 51 values of settings.ini and a few run-time
// fields. One instance lives in F_Settings.
#pragma once

#include <optional>
#include <string>

class CSettings {
 public:
  // Factory values, the program folder, then settings.ini.
  CSettings();

  std::string FileName;
  std::string SoundFile;
  int SignalDelay = 0;
  int SignalRepeat = 0;
  std::string Browser;
  int StopOnMouseMove = 0;
  int NoSounds = 0;
  int NoMessages = 0;
  int NoExecute = 0;
  std::string MemoSeparator;
  int SaveUrls = 0;
  int MemoLeft = 0;
  int MemoTop = 0;
  int MemoWidth = 0;
  int MemoHeight = 0;
  int MemoCaretLine = 0;
  int UseLastKnown = 0;
  std::string MemoHotkeyMod;
  int MemoHotkeyKey = 0;
  int ShowAddMemo = 0;
  int ShowNewAlarm = 0;
  int ShowOpenBrowser = 0;
  int ShowAlarmMessages = 0;
  int ShowWebCommand1 = 0;
  int ShowWebCommand2 = 0;
  int ShowWebCommand3 = 0;
  std::string WebCommandName1;
  std::string WebCommandUrl1;
  std::string WebCommandName2;
  std::string WebCommandUrl2;
  std::string WebCommandName3;
  std::string WebCommandUrl3;
  std::string ResolutionX;
  std::string ResolutionY;
  int MessagePosition = 0;
  std::string Language;
  int AutoActivateNew = 0;
  int AutoActivateEdited = 0;
  int MemoTransparent = 0;
  int MemoTransparency = 0;
  int ResOnlyMessages = 0;
  int ResOnlyTasks = 0;
  int ResOnlySounds = 0;
  int AutoCloseSeconds = 0;
  std::string Filter1;
  std::string Filter2;
  std::string Filter3;
  std::string Filter4;
  int FilterOnAdd1 = 0;
  int FilterOnAdd2 = 0;
  int FilterOnAdd3 = 0;
  std::string ConfirmSound;
  int AnyTrayExtra = 0;
  std::string ProgramDir;
  std::string DefaultMessage;
  bool FirstRun = false;

  void SetDefaults();
  void ResetFlags();
  void SetProgramDir();
  // Reads settings.ini into the record; without the file the record keeps its
  // factory values and FirstRun is set. The steps that need windows (the
  // first-run dialog, the memo's text and place, the memo hotkey) follow at
  // start-up, once the settings dialog exists.
  void LoadSettings();
  // Writes settings.ini, with the memo window's place and caret line when the
  // last known ones are kept; false when nothing could be written (the old
  // file then stays whole).
  bool SaveSettings();

  // The 51 values in file order, CR LF after each.
  std::string ToFileText() const;
  // Assigns the 51 values from a file's text (missing lines read as empty)
  // and applies the resolution rule.
  void FromFileText(const std::string& text);

 private:
  void ApplyResolutionRule();
  void MakeSoundFileAbsolute();
  // Defined beside the memo window, which it reads.
  void CaptureMemoWindow();
};

// The executable's folder with its trailing backslash; "" when its path has no folder.
std::string ProgramFolder();
// The record of F_Settings; null until the settings dialog exists.
CSettings* SettingsRecord();
// The full name of a file in the program folder; nullopt until the settings
// dialog exists.
std::optional<std::string> ProgramFile(const std::string& name);
// That file's bytes; nullopt when it cannot be read.
std::optional<std::string> ReadProgramFile(const std::string& name);
