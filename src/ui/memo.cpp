#include "ui/memo.h"

#include <algorithm>

namespace ui {

namespace {

ControlKind MemoKind(TScrollStyle scrollBars) {
  switch (scrollBars) {
    case TScrollStyle::ssNone:
      return ControlKind::WrappingMemoBare;
    case TScrollStyle::ssVertical:
      return ControlKind::WrappingMemo;
    case TScrollStyle::ssBoth:
      break;
  }
  return ControlKind::Memo;
}

}  // namespace

TMemo::TMemo(TForm& parent, const TControlPlace& place, TScrollStyle scrollBars)
    : TControl(parent, MemoKind(scrollBars), place) {}

std::string TMemo::SelText() const {
  return Text().substr(SelStart(), SelLength());
}

void TMemo::AppendText(const std::string& text) {
  SetSel(static_cast<int>(Text().size()), 0);
  SetSelText(text);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  const std::string text = Text();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

int TMemo::LineCount() const {
  return static_cast<int>(Lines().size());
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  SetText(text);
}

int TMemo::LineFromChar(int position) const {
  const std::string text = Text();
  const std::size_t end = std::min<std::size_t>(position < 0 ? 0 : position, text.size());
  int line = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos && at + 1 < end;
       at = text.find("\r\n", at + 2))
    ++line;
  return line;
}

int TMemo::LineIndex(int line) const {
  if (line < 0) return -1;
  const std::string text = Text();
  std::size_t position = 0;
  for (int i = 0; i < line; ++i) {
    position = text.find("\r\n", position);
    if (position == std::string::npos) return -1;
    position += 2;
  }
  return static_cast<int>(position);
}

std::string NormalizeLineBreaks(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      result += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace ui
