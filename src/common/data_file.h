// Reading and writing the program's line-based data files (settings.ini,
// the list files, memo.txt): one line reader, one integer reader and one
// line writer for all of them.
#pragma once

#include <optional>
#include <string>

namespace common {

// Hands out the lines of a text one by one, whole whatever their length.
// A line ends at CR LF or LF; past the end every line reads as "".
class LineReader {
 public:
  explicit LineReader(std::string text) : text_(std::move(text)) {}
  std::string Next();
  bool AtEnd() const { return position_ >= text_.size(); }

 private:
  std::string text_;
  std::size_t position_ = 0;
};

// The line's leading decimal integer: leading white space skipped, an
// optional sign, then digits up to the first other character. A line without
// digits gives 0; a number beyond the int range gives the nearest limit.
int ReadInt(const std::string& line);

// The whole text as a decimal integer (optional sign, digits only, in range);
// nullopt for anything else.
std::optional<int> ParseInt(const std::string& text);

// Appends one line of a data file: CR and LF inside the value become blanks,
// so a value can never shift the lines after it; CR LF ends the line.
void AppendLine(std::string& file, const std::string& value);
void AppendLine(std::string& file, int value);

}  // namespace common
