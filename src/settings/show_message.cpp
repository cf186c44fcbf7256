#include "settings/show_message.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/main_form.h"
#include "os/os.h"
#include "settings/maker.h"
#include "settings/settings_record.h"
#include "ui/messages.h"

TF_ShowMessage* F_ShowMessage = nullptr;

namespace {

constexpr std::uint32_t kNavy = 0x000080;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr ui::TAnchors kRightBottom = ui::akRight | ui::akBottom;
constexpr ui::TAnchors kLeftBottom = ui::akLeft | ui::akBottom;

// A number in the general format of 15 significant digits, trailing zeros
// dropped: fixed notation from 1E-5 up to below 1E15, else a mantissa, "E"
// and the exponent without leading zeros ("9.99999974737875E-6").
std::string GeneralNumberText(double value, char decimalSeparator) {
  if (value == 0 || !std::isfinite(value)) return "0";
  char scientific[32];  // "-d.ddddddddddddddde-XXX", rounded once to 15 digits
  std::snprintf(scientific, sizeof scientific, "%.14e", value);
  const std::string text = scientific;
  const bool negative = text[0] == '-';
  const std::size_t e = text.find('e');
  std::string digits = text.substr(negative, e - negative);
  digits.erase(1, 1);  // the point
  digits.erase(digits.find_last_not_of('0') + 1);
  const int exponent = std::stoi(text.substr(e + 1));
  const bool fixed = exponent >= -5 && exponent <= 14;
  // Digits before the separator: those up to the units in fixed notation, else one.
  std::size_t whole = 1;
  if (fixed && exponent < 0) digits.insert(0, static_cast<std::size_t>(-exponent), '0');
  if (fixed && exponent > 0) whole = static_cast<std::size_t>(exponent) + 1;
  digits.resize(std::max(digits.size(), whole), '0');
  std::string number(negative ? "-" : "");
  number.append(digits, 0, whole);
  if (digits.size() > whole) number.append(1, decimalSeparator).append(digits, whole);
  if (!fixed) number.append(1, 'E').append(std::to_string(exponent));
  return number;
}

}  // namespace

TF_ShowMessage::TF_ShowMessage()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_ShowMessage",
                                .Caption = "Alarm - Velmarind",
                                .ClientWidth = 312,
                                .ClientHeight = 223,
                                .MaximizeBox = false,
                                .StayOnTop = true,
                                .AppWindow = true,
                                .SaveBits = true,
                                .MinWidth = 300,
                                .MinHeight = 150}),
      M_Message(*this, {{0, 0, 312, 183}, ui::kAnchorsAll}, ui::TScrollStyle::ssVertical),
      B_Ok(*this, "&Close", {{229, 191, 75, 25}, kRightBottom, 0}),
      B_Clear(*this, "Clear", {{150, 191, 75, 25}, kRightBottom, 1}),
      L_site(*this, "velmarind.example.org", {{8, 188, 138, 13}, kLeftBottom}),
      L_donate(*this, "Donate", {{8, 203, 60, 17}, kLeftBottom}) {
  Name = "F_ShowMessage";
  // The names the translation files use.
  NameComponents({{&B_Clear, "B_Clear"}, {&B_Ok, "B_Ok"}, {&L_donate, "L_donate"}});
  M_Message.SetTextStyle(ui::TTextStyle{.Color = kNavy, .Bold = true});
  L_site.SetTextStyle(ui::TTextStyle{.Color = kBlue, .Underline = true, .HandCursor = true});
  L_donate.SetTextStyle(
      ui::TTextStyle{.Color = kBlue, .Underline = true, .Bold = true, .HandCursor = true});
  L_donate.SetFont({.Height = 15});
  CancelButton = &B_Ok;
  WireEvents();
}

void TF_ShowMessage::WireEvents() {
  T_SoundTimer.OnTimer = ui::Handler(this, &TF_ShowMessage::T_SoundTimerTimer);
  T_Autoclose.OnTimer = ui::Handler(this, &TF_ShowMessage::T_AutocloseTimer);
  OnShow = ui::Handler(this, &TF_ShowMessage::FormShow);
  OnClose = ui::Handler(this, &TF_ShowMessage::FormClose);
  OnMouseDown = ui::Handler(this, &TF_ShowMessage::FormMouseDown);
  OnMouseMove = ui::Handler(this, &TF_ShowMessage::FormMouseMove);
  OnMouseUp = ui::Handler(this, &TF_ShowMessage::FormMouseUp);
  B_Ok.OnClick = ui::Handler(this, &TF_ShowMessage::B_OkClick);
  B_Clear.OnClick = ui::Handler(this, &TF_ShowMessage::B_ClearClick);
  L_site.OnClick = ui::Handler(this, &TF_ShowMessage::L_siteClick);
  L_donate.OnClick = ui::Handler(this, &TF_ShowMessage::L_donateClick);
}

void TF_ShowMessage::PlayAlarmSound() {
  if (const CSettings* settings = SettingsRecord())
    os::sound::PlayWave(settings->SoundFile,
                        os::sound::kSndFileName | os::sound::kSndNoWait | os::sound::kSndAsync);
}

void TF_ShowMessage::StartAlarmSound(int count) {
  PlayAlarmSound();
  RepeatsLeft += std::max(count, 1) - 1;
  T_SoundTimer.SetEnabled(RepeatsLeft > 0);
}

void TF_ShowMessage::SetSoundInterval(int delayMs) {
  T_SoundTimer.SetInterval(delayMs > 0 ? delayMs : 2000);
}

void TF_ShowMessage::StopAlarmSound() {
  if (!T_SoundTimer.Enabled()) return;
  RepeatsLeft = 0;
  T_SoundTimer.SetEnabled(false);
}

// Appended at the end rather than by setting the whole text anew, and all
// in one edit: a visible edit control lays its whole text out again on
// every change, so a thousand alarms firing at once stay quick.
void TF_ShowMessage::AddLines(const std::vector<std::string>& lines) {
  std::string block;
  for (const std::string& line : lines) block.append("\r\n").append(line);
  M_Message.AppendText(M_Message.Text().empty() ? block.substr(2) : block);
  M_Message.LineScroll(M_Message.LineCount() - 1);
}

void TF_ShowMessage::AddAlarmMessage(const std::vector<std::string>& texts) {
  std::string stamp = "[";
  stamp.append(os::locale::TimeText(os::clock::Read().Local)).append("] - ");
  std::vector<std::string> lines;
  for (const std::string& text : texts) lines.push_back(stamp + text);
  AddLines(lines);
}

// The seconds widened from single precision, with the user's decimal
// separator: 1.5 reads "1.5", 1.234 reads "1.23399996757507".
void TF_ShowMessage::AddStopwatchMessage(float seconds) {
  const char separator = os::locale::UserFormats().DecimalSeparator;
  AddLines({"Stopwatch, Time: " + GeneralNumberText(seconds, separator) + " seconds."});
}

void TF_ShowMessage::StopAutoclose() {
  T_Autoclose.SetEnabled(false);
  AutoCloseCount = 0;
  B_Ok.SetCaption(SavedOkCaption);
}

bool TF_ShowMessage::CursorMoved() const {
  const os::Point cursor = os::cursor::Position();
  return static_cast<short>(cursor.X) != CursorX || static_cast<short>(cursor.Y) != CursorY;
}

void TF_ShowMessage::T_SoundTimerTimer(ui::TObject*) {
  const CSettings* settings = SettingsRecord();
  if (settings && settings->StopOnMouseMove == 1 && CursorMoved()) {
    RepeatsLeft = 0;
    T_SoundTimer.SetEnabled(false);
  }
  if (RepeatsLeft > 0) {
    PlayAlarmSound();
    --RepeatsLeft;
  }
  if (RepeatsLeft <= 0) T_SoundTimer.SetEnabled(false);
}

void TF_ShowMessage::T_AutocloseTimer(ui::TObject*) {
  const bool moved = CursorMoved();
  if (AutoCloseCount < 1) {
    StopAutoclose();
    ClosedByUser = false;  // the tray icon goes on blinking
    Close();
  } else {
    std::string caption = "Closing in ";
    B_Ok.SetCaption(caption.append(std::to_string(AutoCloseCount)));
    --AutoCloseCount;
  }
  if (moved) StopAutoclose();
}

void TF_ShowMessage::FormShow(ui::TObject*) {
  ClosedByUser = true;
  SavedOkCaption = B_Ok.Caption();
  if (AutoCloseCount > 0) T_Autoclose.SetEnabled(true);
  int left = 250, top = 250;
  if (const auto screen = os::display::ScreenSize()) {
    const int w = Width(), h = Height();
    const int position = SettingsRecord() ? SettingsRecord()->MessagePosition : 0;
    const bool right = position == 2 || position == 4;
    const bool bottom = position == 3 || position == 4;
    if (position >= 1 && position <= 4) {
      left = right ? screen->Width - w - 32 : 32;
      top = bottom ? screen->Height - h - 32 : 32;
    } else {
      left = screen->Width / 2 - w / 2;
      top = screen->Height / 2 - h / 2;
    }
  }
  SetBounds(left, top, Width(), Height());
  M_Message.SetFocus();
  std::string caption = "Alarm - Velmarind - ";
  SetCaption(caption.append(os::locale::DateText(os::clock::Read().Local)));
}

void TF_ShowMessage::FormClose(ui::TObject*, ui::TCloseAction&) {
  if (ClosedByUser && Velmarind) Velmarind->SetTrayAnimation(false);
  RepeatsLeft = 0;
  T_SoundTimer.SetEnabled(false);
  StopAutoclose();
}

void TF_ShowMessage::B_OkClick(ui::TObject*) {
  ClosedByUser = true;
  Close();
}

void TF_ShowMessage::B_ClearClick(ui::TObject*) {
  if (Velmarind) Velmarind->SetTrayAnimation(false);
  RepeatsLeft = 0;
  if (T_Autoclose.Enabled()) StopAutoclose();
  M_Message.SetText("");
  M_Message.SetFocus();
}

void TF_ShowMessage::L_siteClick(ui::TObject*) {
  os::shell::Execute("", kMakerPage, "", "", ui::SW_SHOWNORMAL);
}

void TF_ShowMessage::L_donateClick(ui::TObject*) {
  os::shell::Execute("", kDonationPage, "", "", ui::SW_SHOWNORMAL);
}

void TF_ShowMessage::FormMouseDown(ui::TObject*, ui::TMouseButton button, ui::TShiftState, int x,
                                   int y) {
  Dragging = button == ui::TMouseButton::mbLeft ? 1 : 0;
  DragX = x;
  DragY = y;
}

void TF_ShowMessage::FormMouseMove(ui::TObject*, ui::TShiftState, int x, int y) {
  if (Dragging != 1) return;
  const ui::TRect bounds = BoundsRect();
  SetBounds(bounds.Left + x - DragX, bounds.Top + y - DragY, bounds.Width, bounds.Height);
}

void TF_ShowMessage::FormMouseUp(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  Dragging = 0;
}
