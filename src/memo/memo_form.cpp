#include "memo/memo_form.h"

#include <algorithm>
#include <utility>

#include "app/images.h"
#include "app/main_form.h"
#include "memo/filter.h"
#include "memo/filter_programs.h"
#include "memo/line_commands.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

TF_Memo* F_Memo = nullptr;

namespace {

// A black triangle pointing up or down, the search buttons' glyph.
ui::TImage ArrowGlyph(bool up) {
  ui::TImage image{16, 16, std::vector<std::uint32_t>(256, 0)};
  for (int row = 0; row < 6; ++row) {
    const int y = up ? 5 + row : 10 - row;
    for (int x = 7 - row; x <= 8 + row; ++x) image.Pixels[y * 16 + x] = 0xFF000000;
  }
  return image;
}

constexpr ui::TAnchors kLeftBottom = ui::akLeft | ui::akBottom;

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
                                .MinHeight = 69,
                                .Icon = app::MemoIcon()}),
      Memo(*this, {{0, 0, 316, 172}, ui::kAnchorsAll, 0}),
      B_Close(*this, "&Close", {{259, 175, 57, 25}, ui::akRight | ui::akBottom, 6}),
      B_Copy(*this, "Copy", {{1, 175, 42, 25}, kLeftBottom, 1}),
      B_Paste(*this, "Paste", {{44, 175, 42, 25}, kLeftBottom, 2}),
      BB_down(*this, ArrowGlyph(false), {{163, 175, 25, 25}, kLeftBottom, 5}),
      BB_up(*this, ArrowGlyph(true), {{136, 175, 25, 25}, kLeftBottom, 4}),
      B_delete(*this, "&Del", {{87, 175, 42, 25}, kLeftBottom, 3}),
      sb_Memo(*this, {{0, 200, 317, 17}, ui::akLeft | ui::akRight | ui::akBottom}),
      E_s(*this, {{192, 177, 65, 21}, kLeftBottom, 8}, 64) {
  Name = "F_Memo";
  // The names the translation files use.
  NameComponents(
      {{&B_Close, "B_Close"}, {&B_Copy, "B_Copy"}, {&B_Paste, "B_Paste"}, {&B_delete, "B_delete"}});
  WireEvents();
  Memo.SetSel(0, 0);
  Memo.ScrollCaret();
}

void TF_Memo::WireEvents() {
  OnShow = ui::Handler(this, &TF_Memo::FormShow);
  OnClose = ui::Handler(this, &TF_Memo::FormClose);
  OnMouseDown = sb_Memo.OnMouseDown = ui::Handler(this, &TF_Memo::FormMouseDown);
  OnMouseMove = sb_Memo.OnMouseMove = ui::Handler(this, &TF_Memo::FormMouseMove);
  OnMouseUp = sb_Memo.OnMouseUp = ui::Handler(this, &TF_Memo::FormMouseUp);
  B_Close.OnClick = ui::Handler(this, &TF_Memo::B_CloseClick);
  B_Copy.OnClick = ui::Handler(this, &TF_Memo::B_CopyClick);
  B_Paste.OnClick = ui::Handler(this, &TF_Memo::B_PasteClick);
  B_delete.OnClick = ui::Handler(this, &TF_Memo::B_deleteClick);
  BB_down.OnClick = ui::Handler(this, &TF_Memo::BB_downClick);
  BB_up.OnClick = ui::Handler(this, &TF_Memo::BB_upClick);
  E_s.OnKeyPress = ui::Handler(this, &TF_Memo::E_sKeyPress);
  E_s.OnDblClick = ui::Handler(this, &TF_Memo::E_sDblClick);
  Memo.OnChange = ui::Handler(this, &TF_Memo::MemoChange);
  Memo.OnClick = ui::Handler(this, &TF_Memo::MemoClick);
  Memo.OnKeyPress = ui::Handler(this, &TF_Memo::MemoKeyPress);
  Memo.OnKeyDown = ui::Handler(this, &TF_Memo::MemoKeyDown);
  Memo.OnKeyUp = ui::Handler(this, &TF_Memo::MemoKeyUp);
}

TF_Memo::~TF_Memo() {
  if (Modified == 1) WriteMemoFile();
}

bool TF_Memo::LoadFromFile(const std::string& path) {
  auto bytes = os::files::Read(path);
  if (!bytes) return false;
  std::replace(bytes->begin(), bytes->end(), '\0', ' ');  // an edit control cannot hold NUL
  Memo.SetText(ui::NormalizeLineBreaks(*bytes));
  return true;
}

bool TF_Memo::WriteMemoFile(bool clearsModified) {
  const auto path = ProgramFile("memo.txt");
  if (!path) return false;
  if (!os::files::SaveAtomically(*path, Memo.Text())) {
    // Set before the box: its loop may run another save.
    if (!std::exchange(failureShown_, true)) ui::ReportSaveFailure(*path);
    return false;
  }
  if (clearsModified) Modified = 0;
  return true;
}

void TF_Memo::UpdateStatus() {
  sb_Memo.SetSimpleText(std::to_string(Memo.CaretLine() + 1) + "/" +
                        std::to_string(Memo.LineCount() + 1));
}

void TF_Memo::GoToLine(int line) {
  if (line < 0 || line > Memo.LineCount()) return;
  const int start = Memo.LineIndex(line);
  if (start < 0) return;
  Memo.LineScroll(line);
  Memo.SetSel(start, 0);
}

void TF_Memo::ApplySavedPosition() {
  CSettings* settings = SettingsRecord();
  if (!settings) return;
  // In 64 bits: the window may already have any size settings.ini gave it.
  long long left = settings->MemoLeft;
  long long top = settings->MemoTop;
  if (const auto screen = os::display::ScreenSize()) {
    if (left > screen->Width) left = screen->Width - (Width() + 32LL);
    if (top > screen->Height) top = screen->Height - (Height() + 32LL);
  }
  if (left < 0) left = 10;
  if (top < 0) top = 10;
  settings->MemoTop = static_cast<int>(top);
  settings->MemoLeft = static_cast<int>(left);
  SetBounds(settings->MemoLeft, settings->MemoTop, settings->MemoWidth, settings->MemoHeight);
}

int TF_Memo::AlphaForLevel(int level) {
  return 14 * std::clamp(level, 0, 16) + 20;
}

void TF_Memo::FormShow(ui::TObject*) {
  if (CSettings* settings = SettingsRecord()) {
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
  UpdateStatus();
  Memo.SetFocus();
}

void TF_Memo::FormClose(ui::TObject*, ui::TCloseAction&) {
  CloseSave();
}

void TF_Memo::CloseSave() {
  if (Modified == 1) WriteMemoFile();
  CSettings* settings = SettingsRecord();
  if (!settings) return;
  settings->MemoCaretLine = Memo.CaretLine();
  if (settings->UseLastKnown == 1) StoreBounds(*settings);
}

void TF_Memo::StoreBounds(CSettings& settings) {
  const ui::TRect bounds = BoundsRect();
  settings.MemoLeft = bounds.Left;
  settings.MemoTop = bounds.Top;
  settings.MemoWidth = bounds.Width;
  settings.MemoHeight = bounds.Height;
}

void CSettings::CaptureMemoWindow() {
  if (!F_Memo) return;
  F_Memo->StoreBounds(*this);
  MemoCaretLine = F_Memo->Memo.CaretLine();
}

void TF_Memo::SaveCaretLine() {
  CSettings* settings = SettingsRecord();
  if (!settings || Memo.CaretLine() == settings->MemoCaretLine) return;
  settings->MemoCaretLine = Memo.CaretLine();
  settings->SaveSettings();
}

std::string TF_Memo::CaretLineText() {
  const std::vector<std::string> lines = Memo.Lines();
  const int line = Memo.CaretLine();
  return line < static_cast<int>(lines.size()) ? lines[line] : "";
}

bool TF_Memo::LineHolds(int line, const std::string& text) const {
  const std::vector<std::string> lines = Memo.Lines();
  return line < static_cast<int>(lines.size()) && lines[line] == text;
}

void TF_Memo::SelectLineWithBreak(int line) {
  const std::string text = Memo.Text();
  const int start = std::max(Memo.LineIndex(line), 0);
  std::size_t end = text.find("\r\n", start);
  end = end == std::string::npos ? text.size() : end + 2;
  Memo.SetSel(start, static_cast<int>(end) - start);
}

bool TF_Memo::ReplaceLineIfUnchanged(int line, const std::string& was, const std::string& text) {
  if (!LineHolds(line, was)) return false;
  Memo.SetSel(Memo.LineIndex(line), static_cast<int>(was.size()));
  Memo.SetSelText(text);
  return true;
}

bool TF_Memo::DeleteLineIfUnchanged(int line, const std::string& was) {
  if (!LineHolds(line, was)) return false;
  SelectLineWithBreak(line);
  Memo.SetSelText("");
  return true;
}

std::string TF_Memo::GetCommandText(int mode) {
  if (Memo.SelLength() > 0) return Memo.SelText();
  const std::string line = CaretLineText();
  if (mode != kFirstWord) return line;
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) return "";
  return line.substr(start, line.find(' ', start) - start);
}

void TF_Memo::FindNext(const std::string& text) {
  if (text.empty()) return;
  const std::string memo = Memo.Text();
  const std::size_t start = static_cast<std::size_t>(Memo.SelStart()) + text.size();
  if (start > memo.size()) return;
  const std::size_t found = memo.find(text, start);
  if (found == std::string::npos) return;
  Memo.SetSel(static_cast<int>(found), static_cast<int>(text.size()));
  Memo.ScrollCaret();
}

void TF_Memo::FindPrevious(const std::string& text) {
  if (text.empty()) return;
  const std::string before = Memo.Text().substr(0, Memo.SelStart());
  const std::size_t found = before.rfind(text);
  if (found == std::string::npos) return;
  Memo.SetSel(static_cast<int>(found), static_cast<int>(text.size()));
  Memo.ScrollCaret();
}

void TF_Memo::AddToMemo(const std::string& text) {
  if (text.empty()) return;
  const CSettings* settings = SettingsRecord();
  AppendLine(settings ? memo::FilterTextOnAdd(*settings, text) : text);
  WriteMemoFile(false);
}

void TF_Memo::AppendLine(const std::string& text) {
  const std::string memo = Memo.Text();
  const bool atLineStart = memo.empty() || memo.back() == '\n';
  Memo.AppendText(atLineStart ? text + "\r\n" : "\r\n" + text);
  Memo.ScrollCaret();
}

void TF_Memo::ApplyFilterToLine(int n) {
  const CSettings* settings = SettingsRecord();
  const int line = Memo.CaretLine();
  const std::string original = CaretLineText();
  if (!settings || original.empty()) return;
  const memo::FilterRun run = memo::RunFilterProgram(memo::FilterProgram(*settings, n), original);
  ReplaceLineIfUnchanged(line, original, memo::FilteredLine(original, run));
}

void TF_Memo::StoreLineAsFilter() {
  if (CSettings* settings = SettingsRecord()) settings->Filter4 = CaretLineText();
}

void TF_Memo::B_CloseClick(ui::TObject*) {
  Close();
}

void TF_Memo::B_CopyClick(ui::TObject*) {
  if (Memo.SelLength() > 0) {
    Memo.CopyToClipboard();
  } else if (const std::string line = CaretLineText(); !line.empty() && Velmarind) {
    Velmarind->SetClipboardText(line);
  }
  Memo.SetFocus();
}

void TF_Memo::B_PasteClick(ui::TObject*) {
  Memo.PasteFromClipboard();
  Memo.SetFocus();
}

// Without a selection the caret line goes, with the line break that ends it.
void TF_Memo::B_deleteClick(ui::TObject*) {
  if (Memo.SelLength() == 0) SelectLineWithBreak(Memo.CaretLine());
  Memo.SetSelText("");
  UpdateStatus();
  Memo.SetFocus();
}

void TF_Memo::BB_downClick(ui::TObject*) {
  if (E_s.Text().empty()) {
    Memo.SetSel(static_cast<int>(Memo.Text().size()), 0);
    Memo.ScrollCaret();
  } else {
    FindNext(E_s.Text());
  }
  UpdateStatus();
  Memo.SetFocus();
}

void TF_Memo::BB_upClick(ui::TObject*) {
  if (E_s.Text().empty()) {
    Memo.SetSel(0, 0);
    Memo.ScrollCaret();
  } else {
    FindPrevious(E_s.Text());
  }
  UpdateStatus();
  Memo.SetFocus();
}

void TF_Memo::E_sKeyPress(ui::TObject*, char& key) {
  if (key != ui::VK_RETURN) return;
  key = 0;  // no beep of the single-line box
  BB_down.Click();
}

void TF_Memo::E_sDblClick(ui::TObject*) {
  E_s.SetText(E_s.Text().empty() && Velmarind ? Velmarind->GetClipboardText() : "");
}

void TF_Memo::MemoChange(ui::TObject*) {
  Modified = 1;
  failureShown_ = false;  // a failure to save this text is news
}

void TF_Memo::MemoClick(ui::TObject*) {
  UpdateStatus();
}

void TF_Memo::MemoKeyPress(ui::TObject*, char& key) {
  Modified = 1;
  if (key == ui::VK_RETURN && !memo::RunLineCommand(*this)) key = 0;
}

void TF_Memo::MemoKeyDown(ui::TObject*, unsigned short& key, ui::TShiftState shift) {
  UpdateStatus();
  switch (key) {
    case ui::VK_F4:
      // Alt+F4 closes the window; it must not send the caret line to an address first.
      if (shift & ui::ssAlt) break;
      [[fallthrough]];
    case ui::VK_F1:
    case ui::VK_F2:
    case ui::VK_F3:
      // F1 opens the first word; F2 to F4 run web commands 1 to 3 on the memo.
      if (Velmarind) Velmarind->RunWebCommand(kOpenMemoWord + (key - ui::VK_F1));
      break;
    case ui::VK_F5:
      FindNext(GetCommandText(kWholeLine));
      break;
    case ui::VK_F6:
      FindPrevious(GetCommandText(kWholeLine));
      break;
    case ui::VK_F7:
      ApplyFilterToLine(1);
      break;
    case ui::VK_F8:
      ApplyFilterToLine(2);
      break;
    case ui::VK_F9:
      ApplyFilterToLine(3);
      break;
    case ui::VK_F11:
      ApplyFilterToLine(4);
      break;
    case ui::VK_F12:
      StoreLineAsFilter();
      break;
    default:
      break;
  }
}

void TF_Memo::MemoKeyUp(ui::TObject*, unsigned short&, ui::TShiftState) {
  UpdateStatus();
}

void TF_Memo::FormMouseDown(ui::TObject*, ui::TMouseButton button, ui::TShiftState, int x, int y) {
  if (button != ui::TMouseButton::mbLeft) {
    Dragging = 0;
    return;
  }
  DragX = x;
  DragY = y;
  Dragging = 1;
}

void TF_Memo::FormMouseMove(ui::TObject*, ui::TShiftState, int x, int y) {
  if (Dragging != 1) return;
  const ui::TRect bounds = BoundsRect();
  SetBounds(bounds.Left + x - DragX, bounds.Top + y - DragY, bounds.Width, bounds.Height);
}

void TF_Memo::FormMouseUp(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  Dragging = 0;
}
