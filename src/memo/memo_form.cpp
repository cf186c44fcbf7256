#include "memo/memo_form.h"

#include <algorithm>

#include "os/os.h"
#include "settings/settings_form.h"
#include "ui/dialogs.h"

TF_Memo* F_Memo = nullptr;

namespace {

CSettings* SettingsRecord() {
  return F_Settings ? &F_Settings->Settings : nullptr;
}

}  // namespace

TF_Memo::TF_Memo()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Memo",
                                .Caption = "Memo - Velmarind",
                                .ClientWidth = 317,
                                .ClientHeight = 217,
                                .StayOnTop = true,
                                .AppWindow = true,
                                .SaveBits = true,
                                .MinWidth = 325,
                                .MinHeight = 69}),
      Memo(*this, ui::TRect{0, 0, 316, 172}) {
  Name = "F_Memo";
  OnShow = [this](ui::TObject* sender) { FormShow(sender); };
  OnClose = [this](ui::TObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
}

TF_Memo::~TF_Memo() {
  if (Modified == 1) WriteMemoFile();
}

bool TF_Memo::LoadFromFile(const std::string& path) {
  auto bytes = os::files::Read(path);
  if (!bytes) return false;
  std::replace(bytes->begin(), bytes->end(), '\0', ' ');  // an edit control cannot hold NUL
  Memo.SetText(ui::NormalizeLineBreaks(*bytes));
  if (!bytes->empty()) Modified = 1;
  return true;
}

bool TF_Memo::WriteMemoFile() {
  CSettings* settings = SettingsRecord();
  if (!settings) return false;
  const std::string path = settings->ProgramDir + "memo.txt";
  if (!os::files::SaveAtomically(path, Memo.Text())) {
    ui::MessageBox("Could not save " + path, "Error", ui::MB_ICONEXCLAMATION);
    return false;
  }
  Modified = 0;
  return true;
}

void TF_Memo::GoToLine(int line) {
  if (line < 0 || line > Memo.LineCount()) return;
  const int start = Memo.LineIndex(line);
  if (start < 0) return;
  Memo.SetSel(start, 0);
}

void TF_Memo::ApplySavedPosition() {
  CSettings* settings = SettingsRecord();
  if (!settings) return;
  int left = settings->MemoLeft;
  int top = settings->MemoTop;
  if (const auto screen = os::display::ScreenSize()) {
    if (left > screen->Width) left = screen->Width - (Width() + 32);
    if (top > screen->Height) top = screen->Height - (Height() + 32);
  }
  if (left < 0) left = 10;
  if (top < 0) top = 10;
  SetBounds(left, top, settings->MemoWidth, settings->MemoHeight);
}

int TF_Memo::AlphaForLevel(int level) {
  return 14 * std::clamp(level, 0, 16) + 20;
}

void TF_Memo::FormShow(ui::TObject*) {
  CSettings* settings = SettingsRecord();
  if (!settings) return;
  if (const auto screen = os::display::ScreenSize()) {
    if (settings->MemoLeft > screen->Width || settings->MemoLeft < 0) settings->MemoLeft = 16;
    if (settings->MemoTop > screen->Height || settings->MemoTop < 0) settings->MemoTop = 16;
  }
  SetBounds(settings->MemoLeft, settings->MemoTop, settings->MemoWidth, settings->MemoHeight);
  if (settings->MemoTransparent == 1)
    SetAlphaBlend(true, AlphaForLevel(settings->MemoTransparency));
  else
    SetAlphaBlend(false, 255);
}

void TF_Memo::FormClose(ui::TObject*, ui::TCloseAction&) {
  CloseSave();
}

void TF_Memo::CloseSave() {
  if (Modified == 1) WriteMemoFile();
  CSettings* settings = SettingsRecord();
  if (!settings) return;
  settings->MemoCaretLine = Memo.CaretLine();
  if (settings->UseLastKnown == 1) {
    const ui::TRect bounds = BoundsRect();
    settings->MemoWidth = bounds.Width;
    settings->MemoHeight = bounds.Height;
    settings->MemoLeft = bounds.Left;
    settings->MemoTop = bounds.Top;
  }
}

void TF_Memo::SaveCaretLine() {
  CSettings* settings = SettingsRecord();
  if (!settings || Memo.CaretLine() == settings->MemoCaretLine) return;
  settings->MemoCaretLine = Memo.CaretLine();
  settings->SaveSettings();
}
