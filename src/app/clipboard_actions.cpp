// The clipboard actions of the main form: three clipboard slots, Open In
// Browser, Add To Memo and the web commands (an address template filled with
// the clipboard text or the memo's, opened with the configured browser).
#include <cstring>

#include "app/main_form.h"
#include "memo/memo_form.h"
#include "os/os.h"
#include "settings/settings_form.h"
#include "tasks/task_form.h"
#include "ui/menu.h"
#include "ui/messages.h"

namespace {

constexpr std::size_t kSlotCaptionLength = 32;

// The template of web command n, or null when n names none.
const std::string* TemplateOf(const CSettings& s, int n) {
  switch (n) {
    case kWebCommand1OnMemo:
    case kWebCommand1OnClipboard:
      return &s.WebCommandUrl1;
    case kWebCommand2OnMemo:
    case kWebCommand2OnClipboard:
      return &s.WebCommandUrl2;
    case kWebCommand3OnMemo:
    case kWebCommand3OnClipboard:
      return &s.WebCommandUrl3;
    default:
      return nullptr;
  }
}

// The browser setting split into its folder, its program and its arguments;
// a blank ends the arguments when there is a program to pass them to.
struct BrowserCommand {
  std::string directory, program, arguments;
};

BrowserCommand SplitBrowser(const std::string& browser) {
  BrowserCommand command;
  std::string rest;
  TF_Task::SplitPath(browser, rest, command.directory);
  TVelmarind::SplitCommand(rest, command.program, command.arguments);
  if (!command.program.empty()) command.arguments += ' ';
  return command;
}

// A slot's caption: the start of its text, shown as plain characters.
std::string SlotCaption(const std::string& text) {
  std::string caption;
  for (char c : text.substr(0, kSlotCaptionLength)) {
    if (c == '&') caption += '&';  // a single "&" would underline the next letter
    caption += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return caption + "  (" + std::to_string(text.size()) + ")";
}

}  // namespace

void TVelmarind::SwapClipboardSlot(int slot) {
  CClipBoard& clip = Clip[static_cast<std::size_t>(slot)];
  const std::string clipboard = GetClipboardText();
  if (!clip.Text.empty() && !SetClipboardText(clip.Text)) return;
  if (clipboard.empty()) return;
  clip.Text = clipboard;
  ui::TMenuItem* items[] = {&M_Clipboard1, &M_Clipboard2, &M_Clipboard3};
  items[slot]->Caption = SlotCaption(clipboard);
}

void TVelmarind::M_MainOpenInBrowserClick(ui::TObject*) {
  const std::string address = GetClipboardText();
  if (address.empty() || !F_Settings) return;
  BrowserCommand browser = SplitBrowser(F_Settings->Settings.Browser);
  browser.arguments += address;
  if (F_Settings->Settings.SaveUrls == 1 && F_Memo) F_Memo->AppendLine(address);
  if (browser.program.empty())
    os::shell::Execute("Open", browser.arguments, "", "", ui::SW_SHOW);
  else
    os::shell::Execute("Open", browser.program, browser.arguments, browser.directory, ui::SW_SHOW);
}

void TVelmarind::M_AddToMemoClick(ui::TObject*) {
  const std::string text = GetClipboardText();
  if (!F_Memo) return;
  if (F_Settings && !F_Settings->Settings.MemoSeparator.empty()) ExpandMemoSeparator();
  F_Memo->AddToMemo(text);
}

void TVelmarind::ExpandMemoSeparator() {
  const std::string& separator = F_Settings->Settings.MemoSeparator;
  const os::DateTime now = os::clock::Read().Local;
  std::string line;
  for (std::size_t i = 0; i < separator.size(); ++i) {
    const char next = i + 1 < separator.size() ? separator[i + 1] : '\0';
    if (separator[i] != '\\' || !std::strchr("nNtTdD", next) || next == '\0') {
      line += separator[i];
      continue;
    }
    ++i;
    if (next == 'n' || next == 'N') {
      F_Memo->AppendLine(line);
      line.clear();
    } else {
      line += next == 't' || next == 'T' ? os::locale::TimeText(now) : os::locale::DateText(now);
    }
  }
  if (!line.empty()) F_Memo->AppendLine(line);
}

void TVelmarind::SplitCommand(const std::string& command, std::string& program,
                              std::string& arguments) {
  program.clear();
  arguments.clear();
  bool inArguments = false;
  for (char c : command) {
    if (c == '"' || c == '\\') continue;
    if (c == ' ' && !inArguments) {
      inArguments = true;
      continue;
    }
    (inArguments ? arguments : program) += c;
  }
}

std::string TVelmarind::ExpandPlaceholder(const std::string& pattern, const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == 'C' || pattern[i + 1] == 'c')) {
      result += text;
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result.empty() ? text : result;
}

void TVelmarind::RunWebCommand(int n) {
  if (!F_Settings || n < kOpenMemoWord || n > kWebCommand3OnClipboard) return;
  const CSettings& settings = F_Settings->Settings;
  const bool fromMemo = n < kWebCommand1OnClipboard;
  std::string text = fromMemo ? (F_Memo ? F_Memo->GetCommandText(n) : "") : GetClipboardText();
  if (text.empty()) return;
  if (text.find('@') != std::string::npos) text = "mailto:" + text;
  std::string directory, rest, program, arguments;
  TF_Task::SplitPath(settings.Browser, rest, directory);
  SplitCommand(rest, program, arguments);
  if (!program.empty()) arguments += ' ';
  if (const std::string* pattern = TemplateOf(settings, n))
    text = ExpandPlaceholder(*pattern, text);
  arguments += text;
  if (program.empty())
    os::shell::Execute("", arguments, "", "", ui::SW_SHOWNORMAL);
  else
    os::shell::Execute("open", program, arguments, directory, ui::SW_SHOWNORMAL);
}
