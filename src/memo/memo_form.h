// The always-on-top memo window, kept in memo.txt.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/memo.h"

class CSettings;

class TF_Memo : public ui::TForm {
 public:
  TF_Memo();
  // Writes memo.txt once more when the text changed since the last save.
  ~TF_Memo() override;

  ui::TMemo Memo;
  ui::TButton B_Close;
  ui::TButton B_Copy;
  ui::TButton B_Paste;
  ui::TBitBtn BB_down;
  ui::TBitBtn BB_up;
  ui::TButton B_delete;
  ui::TStatusBar sb_Memo;
  ui::TEdit E_s;

  int DragX = 0;
  int DragY = 0;
  int Dragging = 0;
  // 1 when the text may differ from memo.txt.
  int Modified = 0;

  // Replaces the text by the file's (lone CR or LF become CR LF, NUL bytes
  // blanks); false when the file does not exist.
  bool LoadFromFile(const std::string& path);
  // The one writer of memo.txt: the text byte for byte, atomically. When the
  // file was written it clears Modified (unless told to keep it); a failure
  // keeps the flag, so the next save tries again, and is reported in an
  // "Error" box unless the same text already failed to save.
  bool WriteMemoFile(bool clearsModified = true);
  void UpdateStatus();
  // Scrolls line n to the top and puts the caret at its start (0 to the line
  // count); else nothing.
  void GoToLine(int line);
  // Places the window at its saved geometry, corrected into the screen.
  void ApplySavedPosition();
  // The selection; else the caret line, with kFirstWord only its first word.
  static constexpr int kFirstWord = 1;
  static constexpr int kWholeLine = 2;
  std::string GetCommandText(int mode);
  void FindNext(const std::string& text);
  void FindPrevious(const std::string& text);
  // Saves a changed text and stores the caret line and geometry in the settings.
  void CloseSave();
  // The window's place and size into the settings record.
  void StoreBounds(CSettings& settings);
  // Stores a moved caret line in the settings and writes settings.ini.
  void SaveCaretLine();
  // Adds a text as new last line(s), without writing memo.txt.
  void AppendLine(const std::string& text);
  // Appends a text as new lines at the end, after the on-add filter
  // programs, and writes memo.txt.
  void AddToMemo(const std::string& text);
  // The caret line's text; "" on the empty place after a final line break.
  std::string CaretLineText();
  // Line n becomes `text`, but only while it still holds `was`: a dialog
  // shown meanwhile lets the user change the memo. The caret stands after
  // the new text.
  bool ReplaceLineIfUnchanged(int line, const std::string& was, const std::string& text);
  // Line n goes with the line break that ends it, but only while it still
  // holds `was`; the caret stands at the start of the line that followed.
  bool DeleteLineIfUnchanged(int line, const std::string& was);
  // Runs filter program n (4 for any n but 1 to 3) on the caret line.
  void ApplyFilterToLine(int n);
  // The caret line becomes filter program 4.
  void StoreLineAsFilter();
  // The alpha value of a translucency level (clamped to 0..16).
  static int AlphaForLevel(int level);

  void B_CloseClick(ui::TObject* sender);
  void B_CopyClick(ui::TObject* sender);
  void B_PasteClick(ui::TObject* sender);
  void B_deleteClick(ui::TObject* sender);
  void BB_downClick(ui::TObject* sender);
  void BB_upClick(ui::TObject* sender);
  void E_sKeyPress(ui::TObject* sender, char& key);
  void E_sDblClick(ui::TObject* sender);
  void MemoChange(ui::TObject* sender);
  void MemoClick(ui::TObject* sender);
  // Every typed character marks the text changed; Enter runs the caret
  // line's command, if it holds one.
  void MemoKeyPress(ui::TObject* sender, char& key);
  void MemoKeyDown(ui::TObject* sender, unsigned short& key, ui::TShiftState shift);
  void MemoKeyUp(ui::TObject* sender, unsigned short& key, ui::TShiftState shift);
  void FormMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                     int y);
  void FormMouseMove(ui::TObject* sender, ui::TShiftState shift, int x, int y);
  void FormMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                   int y);

 private:
  void WireEvents();
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
  bool LineHolds(int line, const std::string& text) const;
  void SelectLineWithBreak(int line);

  // The last save failed and the user was told; the text is unchanged since.
  bool failureShown_ = false;
};

extern TF_Memo* F_Memo;
