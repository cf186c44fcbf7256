#include "memo/filter_operations.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace memo {
namespace {

constexpr std::size_t npos = std::string::npos;

// A Knuth-Morris-Pratt matcher: its state is the number of pattern bytes
// that the bytes read so far end with, so each byte is looked at a bounded
// number of times whatever the pattern.
class Matcher {
 public:
  explicit Matcher(const std::string& pattern) : pattern_(pattern), border_(pattern.size(), 0) {
    for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
      while (k > 0 && pattern[i] != pattern[k]) k = border_[k - 1];
      if (pattern[i] == pattern[k]) ++k;
      border_[i] = k;
    }
  }
  std::size_t Length() const { return pattern_.size(); }
  // The state after reading c in state q, which must be below Length().
  std::size_t Next(std::size_t q, char c) const {
    while (q > 0 && pattern_[q] != c) q = border_[q - 1];
    return pattern_[q] == c ? q + 1 : 0;
  }
  // Where the leftmost occurrence at or after `from` starts; npos when none.
  std::size_t Find(const std::string& text, std::size_t from) const {
    std::size_t q = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
      if (q == 0) {
        // Bytes that cannot start the pattern leave the state at 0: skip them at once.
        i = text.find(pattern_[0], i);
        if (i == npos) return npos;
      }
      q = Next(q, text[i]);
      if (q == Length()) return i + 1 - q;
    }
    return npos;
  }

 private:
  const std::string& pattern_;
  std::vector<std::size_t> border_;
};

std::size_t LengthLimit(const std::string& text) {
  return std::max(kMaxFilterTextLength, text.size());
}

// `result`, unless it outgrows the limit; then the text stays as it was.
std::string Bounded(const std::string& text, std::string result) {
  return result.size() > LengthLimit(text) ? text : result;
}

// One pass that gives the same result as replacing the leftmost occurrence
// again and again from the start: the output so far never holds `a`, so the
// leftmost occurrence is always the one that has just closed at its end. Its
// replacement goes back in front of the unread text, where it may close
// further occurrences. nullopt when the work or the result outgrows the limit
// (a rewriting such as "ab" -> "bba" grows exponentially).
std::optional<std::string> ReplaceUntilAbsent(const std::string& text, const std::string& a,
                                              const std::string& b) {
  const Matcher matcher(a);
  const std::size_t limit = LengthLimit(text);
  std::size_t budget = 4 * limit;
  std::string out;
  std::vector<std::size_t> states;  // the matcher's state after each byte of `out`
  std::string pending;              // replacement bytes still to read, the next one last
  std::size_t next = 0;
  for (;;) {
    if (states.empty() || states.back() == 0) {
      // Bytes that cannot start the pattern leave the matcher at 0: copy them at once.
      if (pending.empty()) {
        const std::size_t stop = std::min(text.find(a[0], next), text.size());
        out.append(text, next, stop - next);
        next = stop;
      } else {
        const std::size_t last = pending.rfind(a[0]);
        const std::size_t keep = last == npos ? 0 : last + 1;
        out.append(pending.rbegin(), pending.rbegin() + (pending.size() - keep));
        pending.resize(keep);
      }
      states.resize(out.size(), 0);
    }
    if (out.size() + pending.size() > limit || budget-- == 0) return std::nullopt;
    if (pending.empty() && next == text.size()) return out;
    char c;
    if (pending.empty()) {
      c = text[next++];
    } else {
      c = pending.back();
      pending.pop_back();
    }
    const std::size_t state = matcher.Next(states.empty() ? 0 : states.back(), c);
    out += c;
    states.push_back(state);
    if (state == matcher.Length()) {
      out.resize(out.size() - state);
      states.resize(out.size());
      pending.append(b.rbegin(), b.rend());
    }
  }
}

// Each occurrence in the text replaced once, left to right.
std::optional<std::string> ReplaceEachOnce(const std::string& text, const std::string& a,
                                           const std::string& b) {
  const Matcher matcher(a);
  std::string out;
  for (std::size_t from = 0;;) {
    const std::size_t at = matcher.Find(text, from);
    if (at == npos) return out.append(text, from);
    out.append(text, from, at - from).append(b);
    if (out.size() > LengthLimit(text)) return std::nullopt;
    from = at + a.size();
  }
}

// Keeps the delimiters and either only what lies between a c1 and the next
// c2, or only what lies outside such pairs. Delimiters do not nest.
std::string ScanDelimited(const std::string& text, const std::string& c1, const std::string& c2,
                          bool keepBetween) {
  if (c1.size() != 1 || c2.size() != 1) return text;
  const char open = c1[0], close = c2[0];
  const std::size_t firstOpen = text.find(open), firstClose = text.find(close);
  if (firstOpen == npos || firstClose == npos || firstOpen > firstClose) return text;
  std::string out;
  bool between = false;
  for (char c : text) {
    if (!between && c == open) {
      out += c;
      between = true;
    } else if (between && c == close) {
      out += c;
      between = false;
    } else if (between == keepBetween) {
      out += c;
    }
  }
  return out;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of a digit in base 10 or 16; -1 when it is none.
int DigitValue(char c, int base) {
  if (IsDigit(c)) return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::size_t FindText(const std::string& text, const std::string& pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return npos;
  return Matcher(pattern).Find(text, 0);
}

bool Occurs(const std::string& text, const std::string& pattern) {
  return FindText(text, pattern) != npos;
}

std::string DeleteAll(const std::string& text, const std::string& s) {
  return ReplaceAll(text, s, "");
}

std::string DeleteFirst(const std::string& text, const std::string& s) {
  const std::size_t at = FindText(text, s);
  return at == npos ? text : text.substr(0, at) + text.substr(at + s.size());
}

std::string ReplaceAll(const std::string& text, const std::string& a, const std::string& b) {
  if (a.empty()) return text;
  const auto result = Occurs(b, a) ? ReplaceEachOnce(text, a, b) : ReplaceUntilAbsent(text, a, b);
  return result.value_or(text);
}

std::string Append(const std::string& text, const std::string& s) {
  return Bounded(text, text + s);
}

std::string AppendIf(const std::string& text, const std::string& s) {
  return text.ends_with(s) ? text : Append(text, s);
}

std::string AppendStart(const std::string& text, const std::string& s) {
  return Bounded(text, s + text);
}

std::string AppendStartIf(const std::string& text, const std::string& s) {
  return text.starts_with(s) ? text : AppendStart(text, s);
}

std::string Strip(const std::string& text, const std::string& c) {
  if (c.size() != 1) return text;
  const std::size_t first = text.find_first_not_of(c[0]);
  return first == npos ? "" : text.substr(first);
}

std::string StripEnd(const std::string& text, const std::string& c) {
  if (c.size() != 1) return text;
  const std::size_t last = text.find_last_not_of(c[0]);
  return last == npos ? "" : text.substr(0, last + 1);
}

std::string DeleteInside(const std::string& text, const std::string& c1, const std::string& c2) {
  return ScanDelimited(text, c1, c2, false);
}

std::string DeleteOutside(const std::string& text, const std::string& c1, const std::string& c2) {
  return ScanDelimited(text, c1, c2, true);
}

std::string DeleteAfter(const std::string& text, const std::string& s) {
  const std::size_t at = FindText(text, s);
  return at == npos ? text : text.substr(0, at);
}

std::string KeepAfter(const std::string& text, const std::string& s) {
  const std::size_t at = FindText(text, s);
  return at == npos ? text : text.substr(at);
}

std::string DeleteNumbers(const std::string& text) {
  std::string out = text;
  std::erase_if(out, IsDigit);
  return out;
}

std::string KeepNumbers(const std::string& text) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), IsDigit);
  return out;
}

std::string DeleteAscii(const std::string& text, int n) {
  if (n < -128 || n > 255) return text;
  const char code = static_cast<char>(n < 0 ? n + 256 : n);
  std::string out = text;
  std::erase(out, code);
  return out;
}

std::optional<int> ReadInteger(const std::string& argument) {
  std::string_view rest = argument;
  rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  const bool negative = rest.starts_with('-');
  if (negative || rest.starts_with('+')) rest.remove_prefix(1);
  int base = 10;
  for (std::string_view prefix : {"$", "0x", "0X"}) {
    if (rest.starts_with(prefix)) {
      base = 16;
      rest.remove_prefix(prefix.size());
      break;
    }
  }
  if (rest.empty()) return std::nullopt;
  // Decimal numbers must fit an int; hexadecimal ones fill its 32 bits.
  const std::uint64_t maximum = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t value = 0;
  for (char c : rest) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > maximum) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(value);
  return static_cast<int>(negative ? 0u - bits : bits);
}

std::string Encrypt(const std::string& text, const std::string& key) {
  const unsigned char k = key == "2"   ? kEncryptKeys[1]
                          : key == "3" ? kEncryptKeys[2]
                                       : kEncryptKeys[0];
  std::string out = text;
  for (std::size_t i = 0; i + 1 < out.size(); ++i) out[i] = static_cast<char>(out[i] ^ k);
  return out;
}

}  // namespace memo
