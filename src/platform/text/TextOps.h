// The framework's String operations on UTF-8 std::string. Positions and lengths count
// characters (code points), not bytes; comparisons ignore letter case by Unicode simple case
// folding. A byte that is not part of valid UTF-8 counts as one character of its own, so any
// byte string has a well-defined length and nothing is ever lost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorline {

// The platform line ending: the pad breaks lines with it, every split into lines cuts at it.
inline constexpr std::string_view EndOfLine = "\n";

int64_t Len(std::string_view s);
std::string Left(std::string_view s, int64_t n);
std::string Right(std::string_view s, int64_t n);
// From character start (the first is 1); "" when start lies past the end or length <= 0.
std::string Mid(std::string_view s, int64_t start);
std::string Mid(std::string_view s, int64_t start, int64_t length);

// Position (from 1) of the first occurrence at or after start, letter case not counting; 0 when
// absent. A start of 0 or 1 searches from the beginning.
int64_t InStr(std::string_view s, std::string_view find);
int64_t InStr(int64_t start, std::string_view s, std::string_view find);

// Field n (from 1) of s cut at every occurrence of sep (case not counting); "" past the last.
std::string NthField(std::string_view s, std::string_view sep, int64_t n);
// The same field as a view of s, without a copy.
std::string_view NthFieldView(std::string_view s, std::string_view sep, int64_t n);
// Occurrences of sep plus one; 0 for the empty text.
int64_t CountFields(std::string_view s, std::string_view sep);

// Without blanks and tabs at the ends.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// First occurrence only / every occurrence left to right (inserted text not searched again);
// letter case not counting.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);
std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view with);

// Byte versions, letter case counting. InStrB positions count bytes from 1.
int64_t InStrB(int64_t start, std::string_view s, std::string_view find);
std::string ReplaceB(std::string_view s, std::string_view find, std::string_view with);
std::string ReplaceAllB(std::string_view s, std::string_view find, std::string_view with);
std::string ChrB(int64_t byte);

std::string Lowercase(std::string_view s);
std::string Uppercase(std::string_view s);
std::string Titlecase(std::string_view s);
// Code of the first character (0 for ""); one character of the given code point ("" when the
// code is not a valid code point).
int64_t Asc(std::string_view s);
std::string Chr(int64_t code);

// The framework's "=" on Strings: the same characters, letter case not counting.
bool TextEquals(std::string_view a, std::string_view b);
// -1, 0 or 1, letter case not counting (the script language's String comparison).
int TextCompare(std::string_view a, std::string_view b);

// Str of an integer: decimal digits, "-" first when negative.
std::string Str(int64_t value);
// Str of an integer written into out, which has room for kIntegerStrChars; the text's length.
inline constexpr size_t kIntegerStrChars = 20;
size_t WriteStr(int64_t value, char* out);
inline std::string Str(int value) { return Str(static_cast<int64_t>(value)); }
// Str of a Double: the shortest literal that reads back to the same Double; whole values have
// no fraction ("6"), except -0, which is "-0.0" so that it reads back negative; +infinity
// "1e999", -infinity "-1e999", NaN "(0/0)".
std::string Str(double value);
// The script language's display form of a Double: at most 15 significant digits, no trailing
// zeros, plain notation for 1e-5 <= |x| < 1e15, else "d.ddde+NN"; -0 as "0"; "INF", "-INF",
// "NAN".
std::string DisplayStr(double value);
// DisplayStr written into out, which has room for kDisplayStrChars; the text's length.
inline constexpr size_t kDisplayStrChars = 32;
size_t WriteDisplayStr(double value, char* out);
// The display form of a Single: the digits a float holds (0.1, not 0.100000001490116).
std::string SingleDisplayStr(double value);

// Whether s is well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view s);
// The UTF-8 form of a Latin-1 text (every byte is one character).
std::string Latin1ToUtf8(std::string_view s);
// Bytes read as UTF-8 wherever they form a valid sequence; each byte that belongs to none is
// read alone, as a Latin-1 character, so valid text never changes and no byte is lost.
std::string BytesToUtf8(std::string_view s);

// The platform's Val: the leading number of a text (blanks skipped, "&h" hex, "&o", "&b"),
// 0 when there is none.
double Val(std::string_view s);

}  // namespace vorline
