#include "platform/text/TextOps.h"

#include <QChar>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/text/DecimalDigits.h"

namespace vorline {

namespace {

// A byte that is not part of valid UTF-8 decodes to a code of its own above the Unicode range,
// so it counts as one character, compares only with itself and encodes back to the same byte.
constexpr uint32_t kInvalidBase = 0x110000;

inline bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point starting at byte i (strict UTF-8: no overlongs, surrogates or codes past
// U+10FFFF); len receives its length in bytes.
uint32_t decodeAt(std::string_view s, size_t i, size_t& len) {
  const auto c = static_cast<unsigned char>(s[i]);
  len = 1;
  if (c < 0x80) return c;
  const size_t left = s.size() - i;
  auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
  if (c >= 0xC2 && c <= 0xDF) {
    if (left >= 2 && isContinuation(b(1))) {
      len = 2;
      return ((c & 0x1Fu) << 6) | (b(1) & 0x3Fu);
    }
  } else if (c >= 0xE0 && c <= 0xEF) {
    if (left >= 3 && isContinuation(b(1)) && isContinuation(b(2))) {
      const uint32_t cp = ((c & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
      if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
        len = 3;
        return cp;
      }
    }
  } else if (c >= 0xF0 && c <= 0xF4) {
    if (left >= 4 && isContinuation(b(1)) && isContinuation(b(2)) && isContinuation(b(3))) {
      const uint32_t cp =
          ((c & 0x07u) << 18) | ((b(1) & 0x3Fu) << 12) | ((b(2) & 0x3Fu) << 6) | (b(3) & 0x3Fu);
      if (cp >= 0x10000 && cp <= 0x10FFFF) {
        len = 4;
        return cp;
      }
    }
  }
  return kInvalidBase + c;
}

// Appends the UTF-8 form of a decoded code (an invalid-byte code gives back its byte).
void encodeTo(std::string& out, uint32_t cp) {
  if (cp >= kInvalidBase) {
    out.push_back(static_cast<char>(cp - kInvalidBase));
  } else if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

inline unsigned char asciiLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

inline bool isAsciiLetter(unsigned char c) { return asciiLower(c) >= 'a' && asciiLower(c) <= 'z'; }

// Simple case folding of one decoded code.
inline uint32_t fold(uint32_t cp) {
  if (cp < 0x80) return asciiLower(static_cast<unsigned char>(cp));
  if (cp >= kInvalidBase) return cp;
  return QChar::toCaseFolded(static_cast<char32_t>(cp));
}

// Byte offset of the character after the one at byte offset i; ASCII takes the short way.
inline size_t nextChar(std::string_view s, size_t i) {
  if (static_cast<unsigned char>(s[i]) < 0x80) return i + 1;
  size_t len;
  decodeAt(s, i, len);
  return i + len;
}

// Whether the eight bytes at s[i] are all ASCII (the caller keeps i + 8 within s).
inline bool asciiWord(std::string_view s, size_t i) {
  uint64_t word;
  std::memcpy(&word, s.data() + i, sizeof word);
  return (word & 0x8080808080808080ull) == 0;
}

// Byte offset after advancing n characters from byte offset from (clamped to the end). Runs
// of ASCII go eight bytes at a time.
size_t advanceChars(std::string_view s, size_t from, int64_t n) {
  size_t i = from;
  while (n > 0 && i < s.size()) {
    if (n >= 8 && i + 8 <= s.size() && asciiWord(s, i)) {
      i += 8;
      n -= 8;
      continue;
    }
    i = nextChar(s, i);
    --n;
  }
  return i;
}

// Number of characters in s. Runs of ASCII go eight bytes at a time.
int64_t countChars(std::string_view s) {
  int64_t n = 0;
  size_t i = 0;
  while (i < s.size()) {
    if (i + 8 <= s.size() && asciiWord(s, i)) {
      i += 8;
      n += 8;
      continue;
    }
    i = nextChar(s, i);
    ++n;
  }
  return n;
}

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

struct Match {
  size_t pos;  // first byte of the match, npos when absent
  size_t end;  // one past its last byte
};
constexpr size_t npos = std::string_view::npos;

// ASCII needle, letter case not counting; s may hold other bytes (they never match).
Match findAsciiNoCase(std::string_view s, std::string_view find, size_t from) {
  const size_t m = find.size();
  const unsigned char f0 = asciiLower(static_cast<unsigned char>(find[0]));
  for (size_t i = from; i + m <= s.size(); ++i) {
    if (asciiLower(static_cast<unsigned char>(s[i])) != f0) continue;
    size_t j = 1;
    while (j < m && asciiLower(static_cast<unsigned char>(s[i + j])) ==
                        asciiLower(static_cast<unsigned char>(find[j])))
      ++j;
    if (j == m) return {i, i + m};
  }
  return {npos, npos};
}

// Any needle: compares folded characters, trying each character boundary of s in turn.
Match findFoldedGeneral(std::string_view s, std::string_view find, size_t from) {
  std::vector<uint32_t> needle;
  for (size_t i = 0, len; i < find.size(); i += len) needle.push_back(fold(decodeAt(find, i, len)));
  for (size_t i = from, len; i < s.size(); i += len) {
    const uint32_t first = fold(decodeAt(s, i, len));
    if (first != needle[0]) continue;
    size_t k = i + len, j = 1, l2;
    while (j < needle.size() && k < s.size() && fold(decodeAt(s, k, l2)) == needle[j]) {
      k += l2;
      ++j;
    }
    if (j == needle.size()) return {i, k};
  }
  return {npos, npos};
}

// The first occurrence of find (non-empty) in s at or after byte offset from, letter case not
// counting. Only U+017F and U+212A fold into ASCII (to "s" and "k"), so an ASCII needle
// without those letters can be searched byte-wise whatever s holds.
Match findNoCase(std::string_view s, std::string_view find, size_t from) {
  if (isAscii(find)) {
    bool letters = false, ks = false;
    for (char c : find) {
      const unsigned char u = asciiLower(static_cast<unsigned char>(c));
      letters |= isAsciiLetter(u);
      ks |= (u == 'k' || u == 's');
    }
    if (!letters) {
      const size_t p = s.find(find, from);
      return {p, p == npos ? npos : p + find.size()};
    }
    if (!ks || isAscii(s.substr(std::min(from, s.size())))) return findAsciiNoCase(s, find, from);
  }
  return findFoldedGeneral(s, find, from);
}

// Maps every character through f (code -> code), keeping invalid bytes as they are.
template <typename F>
std::string mapChars(std::string_view s, F f) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0, len; i < s.size(); i += len) {
    const uint32_t cp = decodeAt(s, i, len);
    encodeTo(out, cp >= kInvalidBase ? cp : f(cp));
  }
  return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int64_t Len(std::string_view s) { return countChars(s); }

std::string Left(std::string_view s, int64_t n) {
  if (n <= 0) return {};
  return std::string(s.substr(0, advanceChars(s, 0, n)));
}

std::string Right(std::string_view s, int64_t n) {
  if (n <= 0) return {};
  const int64_t total = countChars(s);
  if (n >= total) return std::string(s);
  return std::string(s.substr(advanceChars(s, 0, total - n)));
}

std::string Mid(std::string_view s, int64_t start) {
  const size_t from = advanceChars(s, 0, std::max<int64_t>(start, 1) - 1);
  return std::string(s.substr(from));
}

std::string Mid(std::string_view s, int64_t start, int64_t length) {
  if (length <= 0) return {};
  const size_t from = advanceChars(s, 0, std::max<int64_t>(start, 1) - 1);
  const size_t to = advanceChars(s, from, length);
  return std::string(s.substr(from, to - from));
}

int64_t InStr(std::string_view s, std::string_view find) { return InStr(1, s, find); }

int64_t InStr(int64_t start, std::string_view s, std::string_view find) {
  if (find.empty()) return 0;
  const int64_t skip = std::max<int64_t>(start, 1) - 1;
  const size_t from = advanceChars(s, 0, skip);
  if (from == s.size() && skip > countChars(s)) return 0;
  const Match m = findNoCase(s, find, from);
  if (m.pos == npos) return 0;
  return skip + countChars(s.substr(from, m.pos - from)) + 1;
}

std::string NthField(std::string_view s, std::string_view sep, int64_t n) {
  return std::string(NthFieldView(s, sep, n));
}

std::string_view NthFieldView(std::string_view s, std::string_view sep, int64_t n) {
  if (n < 1) return {};
  if (sep.empty()) return n == 1 ? s : std::string_view();
  size_t begin = 0;
  for (int64_t field = 1;; ++field) {
    const Match m = findNoCase(s, sep, begin);
    if (field == n) return s.substr(begin, m.pos == npos ? npos : m.pos - begin);
    if (m.pos == npos) return {};
    begin = m.end;
  }
}

int64_t CountFields(std::string_view s, std::string_view sep) {
  if (s.empty()) return 0;
  if (sep.empty()) return 1;
  int64_t count = 1;
  for (Match m = findNoCase(s, sep, 0); m.pos != npos; m = findNoCase(s, sep, m.end)) ++count;
  return count;
}

// One copy, not one for each end.
std::string Trim(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && isBlank(s[n - 1])) --n;
  size_t i = 0;
  while (i < n && isBlank(s[i])) ++i;
  return std::string(s.substr(i, n - i));
}

std::string LTrim(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && isBlank(s[n - 1])) --n;
  return std::string(s.substr(0, n));
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  const Match m = findNoCase(s, find, 0);
  if (m.pos == npos) return std::string(s);
  std::string out;
  out.reserve(s.size() + with.size());
  out.append(s.substr(0, m.pos)).append(with).append(s.substr(m.end));
  return out;
}

std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  std::string out;
  size_t begin = 0;
  for (Match m = findNoCase(s, find, 0); m.pos != npos; m = findNoCase(s, find, begin)) {
    out.append(s.substr(begin, m.pos - begin)).append(with);
    begin = m.end;
  }
  out.append(s.substr(begin));
  return out;
}

int64_t InStrB(int64_t start, std::string_view s, std::string_view find) {
  if (find.empty()) return 0;
  const size_t from = static_cast<size_t>(std::max<int64_t>(start, 1) - 1);
  if (from > s.size()) return 0;
  const size_t p = s.find(find, from);
  return p == npos ? 0 : static_cast<int64_t>(p) + 1;
}

std::string ReplaceB(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  const size_t p = s.find(find);
  if (p == npos) return std::string(s);
  std::string out(s.substr(0, p));
  out.append(with).append(s.substr(p + find.size()));
  return out;
}

std::string ReplaceAllB(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  std::string out;
  size_t begin = 0;
  for (size_t p = s.find(find); p != npos; p = s.find(find, begin)) {
    out.append(s.substr(begin, p - begin)).append(with);
    begin = p + find.size();
  }
  out.append(s.substr(begin));
  return out;
}

std::string ChrB(int64_t byte) {
  if (byte < 0 || byte > 255) return {};
  return std::string(1, static_cast<char>(byte));
}

std::string Lowercase(std::string_view s) {
  return mapChars(s, [](uint32_t cp) -> uint32_t {
    return cp < 0x80 ? asciiLower(static_cast<unsigned char>(cp)) : QChar::toLower(char32_t(cp));
  });
}

std::string Uppercase(std::string_view s) {
  return mapChars(s, [](uint32_t cp) -> uint32_t {
    if (cp < 0x80) return (cp >= 'a' && cp <= 'z') ? cp - 32 : cp;
    return QChar::toUpper(char32_t(cp));
  });
}

// Each word starts with a title-case letter and goes on in lower case; a word starts after
// any character that is neither a letter, a digit nor an apostrophe.
std::string Titlecase(std::string_view s) {
  bool atWordStart = true;
  return mapChars(s, [&](uint32_t cp) -> uint32_t {
    const char32_t c = static_cast<char32_t>(cp);
    const uint32_t mapped = atWordStart ? QChar::toTitleCase(c) : QChar::toLower(c);
    atWordStart = !(QChar::isLetterOrNumber(c) || c == U'\'' || c == U'\u2019');
    return mapped;
  });
}

int64_t Asc(std::string_view s) {
  if (s.empty()) return 0;
  size_t len;
  const uint32_t cp = decodeAt(s, 0, len);
  return cp >= kInvalidBase ? cp - kInvalidBase : cp;
}

std::string Chr(int64_t code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  std::string out;
  encodeTo(out, static_cast<uint32_t>(code));
  return out;
}

bool TextEquals(std::string_view a, std::string_view b) { return TextCompare(a, b) == 0; }

int TextCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
    uint32_t fa, fb;
    if (ca < 0x80 && cb < 0x80) {
      fa = asciiLower(ca), fb = asciiLower(cb);
      ++i, ++j;
    } else {
      size_t la, lb;
      fa = fold(decodeAt(a, i, la)), fb = fold(decodeAt(b, j, lb));
      i += la, j += lb;
    }
    if (fa != fb) return fa < fb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0, len; i < s.size(); i += len)
    if (decodeAt(s, i, len) >= kInvalidBase) return false;
  return true;
}

std::string Latin1ToUtf8(std::string_view s) {
  const QString text = QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

std::string BytesToUtf8(std::string_view s) {
  if (IsValidUtf8(s)) return std::string(s);
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (size_t i = 0, len; i < s.size(); i += len) {
    if (decodeAt(s, i, len) < kInvalidBase) {
      out.append(s.substr(i, len));
      continue;
    }
    // A byte of no valid sequence, 0x80 to 0xFF, as the Latin-1 character of that code.
    const auto c = static_cast<unsigned char>(s[i]);
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

size_t WriteStr(int64_t value, char* out) {
  return static_cast<size_t>(std::to_chars(out, out + kIntegerStrChars, value).ptr - out);
}

std::string Str(int64_t value) {
  char buf[kIntegerStrChars];
  return std::string(buf, WriteStr(value, buf));
}

std::string Str(double value) {
  if (std::isnan(value)) return "(0/0)";
  if (std::isinf(value)) return value > 0 ? "1e999" : "-1e999";
  // "-0" would read back as the Integer 0 and lose the sign; "-0.0" is a Double literal.
  if (value == 0) return std::signbit(value) ? "-0.0" : "0";
  char buf[64];
  // Whole values from 2^53 on are written with an exponent: an integer literal that large could
  // overflow the script's Integer, and the exponent form reads back as exactly this Double.
  // Smaller whole values are written in plain digits ("1000000", not "1e+06").
  const bool big = std::fabs(value) >= 9007199254740992.0;
  const bool whole = std::trunc(value) == value;
  // An exact integer's digits, without the Double conversion.
  if (whole && !big) return Str(static_cast<int64_t>(value));
  const auto r = big ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific)
                 : whole ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed)
                         : std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

// Up to 15 significant digits, trailing zeros dropped; plain notation for 1e-5 <= |x| < 1e15
// (judged after rounding), else "d.ddde+NN".
size_t WriteDisplayStr(double value, char* out) {
  const auto copy = [out](std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return text.size();
  };
  if (std::isnan(value)) return copy("NAN");
  if (std::isinf(value)) return copy(value > 0 ? "INF" : "-INF");
  if (value == 0) return copy("0");
  // A whole value of up to fifteen digits is its own digits.
  if (std::fabs(value) < 1e15 && std::trunc(value) == value)
    return WriteStr(static_cast<int64_t>(value), out);
  const DecimalDigits d = FifteenDigits(std::fabs(value));
  const auto count = static_cast<size_t>(d.count);
  char* p = out;
  const auto put = [&p](const char* from, size_t n) {
    std::memcpy(p, from, n);
    p += n;
  };
  if (value < 0) *p++ = '-';
  if (d.exponent >= -5 && d.exponent < 15) {
    if (d.exponent < 0) {
      put("0.0000", static_cast<size_t>(1 - d.exponent));
      put(d.digits, count);
    } else if (const auto whole = static_cast<size_t>(d.exponent) + 1; count <= whole) {
      put(d.digits, count);
      std::memset(p, '0', whole - count);
      p += whole - count;
    } else {
      put(d.digits, whole);
      *p++ = '.';
      put(d.digits + whole, count - whole);
    }
    return static_cast<size_t>(p - out);
  }
  *p++ = d.digits[0];
  if (count > 1) {
    *p++ = '.';
    put(d.digits + 1, count - 1);
  }
  *p++ = 'e';
  *p++ = d.exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(d.exponent);
  if (magnitude < 10) *p++ = '0';
  return static_cast<size_t>(std::to_chars(p, out + kDisplayStrChars, magnitude).ptr - out);
}

std::string DisplayStr(double value) {
  char buf[kDisplayStrChars];
  return std::string(buf, WriteDisplayStr(value, buf));
}

std::string SingleDisplayStr(double value) {
  // A value no float holds (also beyond the float range) keeps the Double's display form.
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return DisplayStr(value);
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) != value) return DisplayStr(value);
  // The shortest decimal that reads back as the same float (16777216, not 16777220, which the
  // float does not hold); locale-free, as to_chars and from_chars never use a decimal comma.
  char buf[32];
  auto end = std::to_chars(buf, buf + sizeof buf, single).ptr;
  double shortest = value;
  std::from_chars(buf, end, shortest);
  return DisplayStr(shortest);
}

namespace {

// Digits of a "&h", "&o" or "&b" number from position i; stops at the first other character.
double valRadix(std::string_view s, size_t i, int radix) {
  double value = 0;
  for (; i < s.size(); ++i) {
    const unsigned char c = asciiLower(static_cast<unsigned char>(s[i]));
    int d = -1;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    if (d < 0 || d >= radix) break;
    value = value * radix + d;
  }
  return value;
}

// The end of a decimal number's text starting at i: digits, an optional fraction and an
// optional exponent that has at least one digit.
size_t decimalEnd(std::string_view s, size_t i) {
  auto digitsFrom = [&](size_t k) {
    while (k < s.size() && s[k] >= '0' && s[k] <= '9') ++k;
    return k;
  };
  i = digitsFrom(i);
  if (i < s.size() && s[i] == '.') i = digitsFrom(i + 1);
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t k = i + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    const size_t end = digitsFrom(k);
    if (end > k) i = end;
  }
  return i;
}

// The power of ten of a decimal number's leading digit (saturating), for numbers that do not
// fit a Double: positive means too large, negative too small.
int64_t decimalMagnitude(std::string_view number) {
  const size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  const size_t first = mantissa.find_first_of("123456789");
  if (first == npos) return std::numeric_limits<int32_t>::min();
  int64_t magnitude = first < point ? static_cast<int64_t>(point - first) - 1
                                    : -static_cast<int64_t>(first - point);
  if (e != npos) {
    int64_t exponent = 0;
    size_t k = e + 1;
    const bool minus = k < number.size() && number[k] == '-';
    if (k < number.size() && (number[k] == '+' || number[k] == '-')) ++k;
    for (; k < number.size(); ++k)
      exponent = std::min<int64_t>(exponent * 10 + (number[k] - '0'), 1'000'000'000);
    magnitude += minus ? -exponent : exponent;
  }
  return magnitude;
}

}  // namespace

double Val(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  if (i + 1 < s.size() && s[i] == '&') {
    const unsigned char c = asciiLower(static_cast<unsigned char>(s[i + 1]));
    if (c == 'h') return valRadix(s, i + 2, 16);
    if (c == 'o') return valRadix(s, i + 2, 8);
    if (c == 'b') return valRadix(s, i + 2, 2);
    return 0;
  }
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const size_t end = decimalEnd(s, i);
  const std::string_view number = s.substr(i, end - i);
  const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
  if (mantissa.find_first_of("0123456789") == npos) return 0;
  double value = 0;
  const auto r = std::from_chars(number.data(), number.data() + number.size(), value);
  if (r.ec == std::errc::result_out_of_range)
    value = decimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

}  // namespace vorline
