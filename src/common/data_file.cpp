#include "common/data_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

namespace common {

LineReader::LineReader(std::string text) : text_(std::move(text)) {
  if (text_.find('\n') == std::string::npos && text_.find('\r') != std::string::npos)
    lineEnd_ = '\r';
}

std::string_view LineReader::Next() {
  if (AtEnd()) return {};
  // A plain loop: lines are short, and a library search costs more per call.
  std::size_t end = position_;
  while (end < text_.size() && text_[end] != lineEnd_) ++end;
  std::size_t lineEnd = end;
  if (lineEnd > position_ && text_[lineEnd - 1] == '\r') --lineEnd;
  const std::string_view line = std::string_view(text_).substr(position_, lineEnd - position_);
  position_ = end + 1;
  return line;
}

std::size_t LineReader::LinesLeft() const {
  if (AtEnd()) return 0;
  const std::size_t ends = static_cast<std::size_t>(
      std::count(text_.begin() + static_cast<std::ptrdiff_t>(position_), text_.end(), lineEnd_));
  return ends + (text_.back() == lineEnd_ ? 0 : 1);
}

std::optional<int> LeadingInt(std::string_view line) {
  const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = 0;
  while (i < line.size() && isSpace(line[i])) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  if (i == line.size() || !isDigit(line[i])) return std::nullopt;
  long long value = 0;
  for (; i < line.size() && isDigit(line[i]); ++i) {
    value = value * 10 + (line[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

int ReadInt(std::string_view line) {
  return LeadingInt(line).value_or(0);
}

std::optional<int> ParseInt(const std::string& text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i == text.size()) return std::nullopt;
  for (std::size_t j = i; j < text.size(); ++j)
    if (!std::isdigit(static_cast<unsigned char>(text[j]))) return std::nullopt;
  if (text.size() - i > 10) return std::nullopt;
  const long long value = std::stoll(text);
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::string AsOneLine(std::string value) {
  MakeOneLine(value);
  return value;
}

void MakeOneLine(std::string& value) {
  std::replace_if(
      value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
}

// Copies and cleans in one pass.
char* WriteLine(char* out, std::string_view value) {
  for (const char c : value) *out++ = c == '\r' || c == '\n' ? ' ' : c;
  *out++ = '\r';
  *out++ = '\n';
  return out;
}

char* WriteLine(char* out, int value) {
  out = std::to_chars(out, out + MostLineBytes(value), value).ptr;
  *out++ = '\r';
  *out++ = '\n';
  return out;
}

}  // namespace common
