// The always-on-top memo window, kept in memo.txt.
#pragma once

#include <string>

#include "ui/form.h"
#include "ui/memo.h"

class TF_Memo : public ui::TForm {
 public:
  TF_Memo();
  // Writes memo.txt once more when the text changed since the last save.
  ~TF_Memo() override;

  ui::TMemo Memo;

  // 1 when the text may differ from memo.txt.
  int Modified = 0;

  // Replaces the text by the file's (lone CR or LF become CR LF, NUL bytes
  // blanks); false when the file does not exist.
  bool LoadFromFile(const std::string& path);
  // The one writer of memo.txt: the text byte for byte, atomically. Clears
  // Modified only when the file was written; a failure is reported in an
  // "Error" box.
  bool WriteMemoFile();
  // Puts the caret at the start of line n (0 to the line count); else nothing.
  void GoToLine(int line);
  // Places the window at its saved geometry, corrected into the screen.
  void ApplySavedPosition();
  // Saves a changed text and stores the caret line and geometry in the settings.
  void CloseSave();
  // Stores a moved caret line in the settings and writes settings.ini.
  void SaveCaretLine();
  // The alpha value of a translucency level (clamped to 0..16).
  static int AlphaForLevel(int level);

 private:
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
};

extern TF_Memo* F_Memo;
