// Reading and writing the program's line-based data files (settings.ini,
// the list files, memo.txt): one line reader, one integer reader and one
// line writer for all of them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

// Hands out the lines of a text one by one, whole whatever their length.
// A line ends at CR LF or LF; in a text with CRs and no LF (written by an
// old Mac editor) at CR. Past the end every line reads as "".
class LineReader {
 public:
  explicit LineReader(std::string text);
  // The next line, valid while the reader lives.
  std::string_view Next();
  bool AtEnd() const { return position_ >= text_.size(); }
  // The lines left, a last line without its line end included.
  std::size_t LinesLeft() const;

 private:
  std::string text_;
  char lineEnd_ = '\n';
  std::size_t position_ = 0;
};

// The line's leading decimal integer: leading white space skipped, an
// optional sign, then digits up to the first other character; nullopt for a
// line without digits. A number beyond the int range gives the nearest limit.
std::optional<int> LeadingInt(std::string_view line);
// LeadingInt, and 0 for a line without digits.
int ReadInt(std::string_view line);

// The whole text as a decimal integer (optional sign, digits only, in range);
// nullopt for anything else.
std::optional<int> ParseInt(const std::string& text);

// The value as one line of a data file holds it: CR and LF become blanks,
// so a value can never shift the lines after it.
std::string AsOneLine(std::string value);
// AsOneLine in place.
void MakeOneLine(std::string& value);

// Writes one line of a data file at `out`, which has room for MostLineBytes:
// the value AsOneLine, then CR LF. Returns where the next line goes.
char* WriteLine(char* out, std::string_view value);
char* WriteLine(char* out, int value);
inline std::size_t MostLineBytes(std::string_view value) {
  return value.size() + 2;
}
inline std::size_t MostLineBytes(int) {
  return 13;  // "-2147483648" and CR LF
}

}  // namespace common
