#include "common/data_file.h"

#include <cctype>
#include <climits>

namespace common {

std::string LineReader::Next() {
  if (AtEnd()) return "";
  std::size_t end = text_.find('\n', position_);
  if (end == std::string::npos) end = text_.size();
  std::size_t lineEnd = end;
  if (lineEnd > position_ && text_[lineEnd - 1] == '\r') --lineEnd;
  std::string line = text_.substr(position_, lineEnd - position_);
  position_ = end + 1;
  return line;
}

int ReadInt(const std::string& line) {
  std::size_t i = 0;
  while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  long long value = 0;
  for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
    value = value * 10 + (line[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
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

void AppendLine(std::string& file, const std::string& value) {
  for (char c : value) file += (c == '\r' || c == '\n') ? ' ' : c;
  file += "\r\n";
}

void AppendLine(std::string& file, int value) {
  AppendLine(file, std::to_string(value));
}

}  // namespace common
