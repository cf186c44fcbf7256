// The text operations of the filter language, one per keyword. Each takes
// the running text and the arguments it uses and returns the new text; an
// argument the operation cannot use leaves the text unchanged.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace memo {

// No operation makes a text longer than this (or than the text it was given):
// a call that would is refused and leaves the text unchanged, so a program
// can neither exhaust memory nor run for ever.
constexpr std::size_t kMaxFilterTextLength = std::size_t{1} << 20;

// Where the leftmost occurrence of `pattern` starts; npos when it does not
// occur. An empty pattern never occurs. Linear in both lengths.
std::size_t FindText(const std::string& text, const std::string& pattern);
bool Occurs(const std::string& text, const std::string& pattern);

// Removes the leftmost occurrence of s, again and again from the start,
// until s no longer occurs (occurrences formed where the text closes up go
// too). Linear time.
std::string DeleteAll(const std::string& text, const std::string& s);
std::string DeleteFirst(const std::string& text, const std::string& s);
// Replaces the leftmost occurrence of a by b, again and again from the start,
// until a no longer occurs. When b contains a that would never end: then each
// occurrence in the text is replaced once, left to right.
std::string ReplaceAll(const std::string& text, const std::string& a, const std::string& b);

std::string Append(const std::string& text, const std::string& s);
std::string AppendIf(const std::string& text, const std::string& s);
std::string AppendStart(const std::string& text, const std::string& s);
std::string AppendStartIf(const std::string& text, const std::string& s);

// c must be exactly one character.
std::string Strip(const std::string& text, const std::string& c);
std::string StripEnd(const std::string& text, const std::string& c);

// c1 and c2 must be exactly one character each; they may be the same.
std::string DeleteInside(const std::string& text, const std::string& c1, const std::string& c2);
std::string DeleteOutside(const std::string& text, const std::string& c1, const std::string& c2);

std::string DeleteAfter(const std::string& text, const std::string& s);
std::string KeepAfter(const std::string& text, const std::string& s);
std::string DeleteNumbers(const std::string& text);
std::string KeepNumbers(const std::string& text);

// Removes every byte whose code is n: 0..255 stand for themselves, -128..-1
// for the bytes 128..255 (the code read as a signed byte); others match none.
std::string DeleteAscii(const std::string& text, int n);
// The number in an argument as the component library's integer conversion
// reads it: leading blanks, an optional sign, then decimal digits or
// hexadecimal ones after "$" or "0x"; nothing may follow. nullopt otherwise.
std::optional<int> ReadInteger(const std::string& argument);

// XOR with the key chosen by `key` ("2" the second, "3" the third, anything
// else the first) on every byte but the last: running it twice gives the
// text back.
std::string Encrypt(const std::string& text, const std::string& key);
// The three keys. Below 32, so printable bytes stay printable, and chosen so
// that no printable byte, tab, CR or LF ever becomes a NUL, tab, CR or LF.
constexpr unsigned char kEncryptKeys[] = {17, 18, 20};

}  // namespace memo
