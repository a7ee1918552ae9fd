#include "platform/text/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/DecimalDigits.h"

namespace vorline {
namespace {

enum class Kind { Literal, Zero, Hash, Point, Exponent, Minus, Plus, Percent };

struct Token {
  Kind kind;
  std::string text;           // Literal: the text; Exponent: the "e" or "E" as written
  bool expAlwaysSign = true;  // Exponent: "+" also for positive exponents
  int expMinDigits = 1;       // Exponent: at least this many digits
};

struct Section {
  std::vector<Token> tokens;
  bool grouping = false;
  bool hasSign = false;
  bool percent = false;
  bool scientific = false;
  int fracMax = 0;  // fraction placeholders
  int fracMin = 0;  // up to and including the last "0" after the point
};

// A number's digits after rounding: the integer digits (no leading zeros, "" for 0) and the
// fraction digits, or in scientific form one leading digit and the decimal exponent.
struct Digits {
  std::string intPart;
  std::string fracPart;
  int exponent = 0;
};

bool hasPlaceholder(const Section& s) {
  for (const Token& t : s.tokens)
    if (t.kind == Kind::Zero || t.kind == Kind::Hash) return true;
  return false;
}

// The exponent at mask[i] ("e" or "E"), with its optional sign rule and digit placeholders;
// i ends on its last character.
Token readExponent(std::string_view mask, size_t& i) {
  Token t{Kind::Exponent, std::string(1, mask[i])};
  if (i + 1 < mask.size() && (mask[i + 1] == '+' || mask[i + 1] == '-'))
    t.expAlwaysSign = mask[++i] == '+';
  int zeros = 0;
  while (i + 1 < mask.size() && (mask[i + 1] == '0' || mask[i + 1] == '#')) {
    if (mask[++i] == '0') ++zeros;
  }
  t.expMinDigits = zeros > 0 ? zeros : 1;
  return t;
}

// Reads a mask character by character into its sections (at most three are used).
std::vector<Section> parseMask(std::string_view mask) {
  std::vector<Section> sections(1);
  bool afterPoint = false;
  bool afterExponent = false;
  for (size_t i = 0; i < mask.size(); ++i) {
    Section& s = sections.back();
    char c = mask[i];
    auto literal = [&](std::string_view text) {
      if (!s.tokens.empty() && s.tokens.back().kind == Kind::Literal)
        s.tokens.back().text += text;
      else
        s.tokens.push_back({Kind::Literal, std::string(text)});
    };
    if (c == ';') {
      sections.emplace_back();
      afterPoint = afterExponent = false;
    } else if (c == '\\') {
      if (i + 1 < mask.size()) literal(mask.substr(++i, 1));
    } else if ((c == '0' || c == '#') && !afterExponent) {
      s.tokens.push_back({c == '0' ? Kind::Zero : Kind::Hash, {}});
      if (afterPoint) {
        ++s.fracMax;
        if (c == '0') s.fracMin = s.fracMax;
      }
    } else if (c == '.' && !afterPoint && !afterExponent) {
      s.tokens.push_back({Kind::Point, {}});
      afterPoint = true;
    } else if (c == ',' && !afterPoint && !afterExponent) {
      s.grouping = true;
    } else if ((c == 'e' || c == 'E') && !afterExponent && hasPlaceholder(s)) {
      s.tokens.push_back(readExponent(mask, i));
      s.scientific = true;
      afterExponent = true;
    } else if (c == '-' || c == '+') {
      s.tokens.push_back({c == '-' ? Kind::Minus : Kind::Plus, {}});
      s.hasSign = true;
    } else if (c == '%') {
      s.tokens.push_back({Kind::Percent, {}});
      s.percent = true;
    } else {
      literal(mask.substr(i, 1));
    }
  }
  return sections;
}

// A finite value's shortest round-trip decimal: digits without leading or trailing zeros
// ("" for 0), the decimal point standing after `point` of them (negative or past the end
// means zeros in between). Every place past these digits counts as 0.
struct Decimal {
  std::string digits;
  int point = 0;
};

Decimal shortestDecimal(double magnitude) {
  Decimal d;
  if (magnitude == 0) return d;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  std::string_view text(buf, static_cast<size_t>(r.ptr - buf));
  size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') d.digits += c;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  d.point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  return d;
}

// Adds one unit in the last place of a string of decimal digits; true when it grew a digit.
bool incrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
  return true;
}

// Keeps the first `keep` digits (zeros added as needed), rounding the rest half away from zero;
// a carry past the first digit moves the point. "" when nothing is left.
void roundToDigits(Decimal& d, long keep) {
  if (keep < 0 || d.digits.empty()) {
    d.digits.clear();
    return;
  }
  const auto n = static_cast<size_t>(keep);
  if (n >= d.digits.size()) {
    d.digits.append(n - d.digits.size(), '0');
    return;
  }
  const bool up = d.digits[n] >= '5';
  d.digits.resize(n);
  if (up && incrementDigits(d.digits)) ++d.point;
}

// The digits of a magnitude rounded to f fraction digits.
Digits fixedDigits(Decimal d, int f) {
  roundToDigits(d, static_cast<long>(d.point) + f);
  Digits out;
  if (d.digits.empty()) {
    out.fracPart.assign(static_cast<size_t>(f), '0');
    return out;
  }
  if (d.point > 0) {
    out.intPart = d.digits.substr(0, static_cast<size_t>(d.point));
    out.fracPart = d.digits.substr(static_cast<size_t>(d.point));
  } else {
    out.fracPart = std::string(static_cast<size_t>(-d.point), '0') + d.digits;
  }
  return out;
}

// The digits of a magnitude in scientific form: one leading digit and f fraction digits.
Digits scientificDigits(Decimal d, int f) {
  Digits out;
  if (d.digits.empty()) {
    out.intPart.assign(1, '0');
    out.fracPart.assign(static_cast<size_t>(f), '0');
    return out;
  }
  roundToDigits(d, static_cast<long>(f) + 1);
  d.digits.resize(static_cast<size_t>(f) + 1);  // a carry grew a trailing zero
  out.intPart = d.digits.substr(0, 1);
  out.fracPart = d.digits.substr(1);
  out.exponent = d.point - 1;
  return out;
}

bool allZero(const Digits& d) {
  return d.intPart.find_first_not_of('0') == std::string::npos &&
         d.fracPart.find_first_not_of('0') == std::string::npos;
}

// The integer placeholders' text: digits placed right to left, "0" filling, extras in front.
std::vector<std::string> placeIntegerDigits(const Section& s, const std::string& digits, int slots,
                                            std::string& extra) {
  std::vector<std::string> out(static_cast<size_t>(slots));
  std::vector<Kind> kinds;
  for (const Token& t : s.tokens) {
    if (t.kind == Kind::Point || t.kind == Kind::Exponent) break;
    if (t.kind == Kind::Zero || t.kind == Kind::Hash) kinds.push_back(t.kind);
  }
  auto withGroup = [&](char digit, int position) {
    std::string text(1, digit);
    if (s.grouping && position > 0 && position % 3 == 0) text += ',';
    return text;
  };
  int n = static_cast<int>(digits.size());
  for (int k = 0; k < slots; ++k) {
    size_t slot = static_cast<size_t>(slots - 1 - k);
    if (k < n)
      out[slot] = withGroup(digits[static_cast<size_t>(n - 1 - k)], k);
    else if (kinds[slot] == Kind::Zero)
      out[slot] = withGroup('0', k);
  }
  for (int k = n - 1; k >= slots; --k)
    extra += withGroup(digits[static_cast<size_t>(n - 1 - k)], k);
  return out;
}

int countIntegerSlots(const Section& s) {
  int slots = 0;
  for (const Token& t : s.tokens) {
    if (t.kind == Kind::Point || t.kind == Kind::Exponent) break;
    if (t.kind == Kind::Zero || t.kind == Kind::Hash) ++slots;
  }
  return slots;
}

std::string exponentText(const Token& t, int exponent) {
  std::string digits = std::to_string(std::abs(exponent));
  while (static_cast<int>(digits.size()) < t.expMinDigits) digits.insert(digits.begin(), '0');
  std::string sign = exponent < 0 ? "-" : (t.expAlwaysSign ? "+" : "");
  return t.text + sign + digits;
}

// Writes magnitude by the section's tokens; negative decides what "-" and "+" write.
std::string renderSection(const Section& s, const Digits& d, bool negative) {
  int slots = countIntegerSlots(s);
  std::string extra;
  std::vector<std::string> intSlots = placeIntegerDigits(s, d.intPart, slots, extra);
  std::string out;
  int intIndex = 0;
  size_t fracIndex = 0;
  bool afterPoint = false;
  bool intWritten = false;
  auto writeLeadingInteger = [&]() {
    if (!intWritten) out += extra;
    intWritten = true;
  };
  for (const Token& t : s.tokens) {
    switch (t.kind) {
      case Kind::Literal:
        out += t.text;
        break;
      case Kind::Minus:
        out += negative ? "-" : "";
        break;
      case Kind::Plus:
        out += negative ? "-" : "+";
        break;
      case Kind::Percent:
        out += '%';
        break;
      case Kind::Point:
        writeLeadingInteger();
        afterPoint = true;
        if (!d.fracPart.empty()) out += '.';
        break;
      case Kind::Exponent:
        writeLeadingInteger();
        out += exponentText(t, d.exponent);
        break;
      case Kind::Zero:
      case Kind::Hash:
        if (!afterPoint) {
          writeLeadingInteger();
          out += intSlots[static_cast<size_t>(intIndex++)];
        } else if (fracIndex < d.fracPart.size()) {
          out += d.fracPart[fracIndex++];
        }
        break;
    }
  }
  if (!intWritten) out = extra + out;
  return out;
}

// Rounds the magnitude of a finite value as the section asks (a percent moves the point two
// places) and trims optional trailing fraction zeros.
Digits sectionDigits(const Section& s, double value) {
  Decimal decimal = shortestDecimal(std::fabs(value));
  if (s.percent && !decimal.digits.empty()) decimal.point += 2;
  Digits d = s.scientific ? scientificDigits(decimal, s.fracMax) : fixedDigits(decimal, s.fracMax);
  while (static_cast<int>(d.fracPart.size()) > s.fracMin && d.fracPart.back() == '0')
    d.fracPart.pop_back();
  return d;
}

std::string nonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Formats a finite value by one section; the single-section rule adds "-" when the mask has
// no sign.
std::string formatWith(const Section& s, double value, bool singleSection) {
  Digits d = sectionDigits(s, value);
  bool negative = value < 0 && !allZero(d);
  std::string text = renderSection(s, d, negative);
  if (negative && singleSection && !s.hasSign) text.insert(text.begin(), '-');
  return text;
}

// The number output's own masks, "-0" and "-0." followed by "#"s only: their places, or -1 for
// any other mask.
int plainPlaces(std::string_view mask) {
  if (mask.size() < 2 || mask[0] != '-' || mask[1] != '0') return -1;
  if (mask.size() == 2) return 0;
  if (mask[2] != '.') return -1;
  for (size_t i = 3; i < mask.size(); ++i)
    if (mask[i] != '#') return -1;
  return static_cast<int>(mask.size() - 3);
}

// A decimal of `places` fraction digits, given times 10^places and not 0, written as
// formatPlain writes it: trailing fraction zeros and a bare point dropped.
std::string plainDecimal(int64_t scaled, int places) {
  uint64_t m = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  for (; places > 0 && m % 10 == 0; --places) m /= 10;
  char digits[24];
  const auto count =
      static_cast<int>(std::to_chars(digits, digits + sizeof digits, m).ptr - digits);
  const int whole = count - places;  // digits before the point; none when <= 0
  char buf[48];
  char* p = buf;
  if (scaled < 0) *p++ = '-';
  if (whole > 0) {
    std::memcpy(p, digits, static_cast<size_t>(whole));
    p += whole;
  } else {
    *p++ = '0';
  }
  if (places > 0) {
    *p++ = '.';
    if (whole < 0) {
      std::memset(p, '0', static_cast<size_t>(-whole));
      p -= whole;
    }
    const int from = std::max(whole, 0);
    std::memcpy(p, digits + from, static_cast<size_t>(count - from));
    p += count - from;
  }
  return std::string(buf, p);
}

// Such a mask written without building sections: the same shortest decimal, rounded half away
// from zero to `places` fraction digits, trailing fraction zeros and a bare point dropped.
std::string formatPlain(double value, int places) {
  char buf[40];
  // A whole number well inside a Double's exact integers is its own shortest decimal.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(value));
    return std::string(buf, r.ptr);
  }
  // A decimal of no more places than the mask has needs no rounding.
  if (int64_t scaled = 0; FitsPlaces(value, places, scaled) == 1)
    return plainDecimal(scaled, places);
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  std::string_view text(buf, static_cast<size_t>(r.ptr - buf));
  size_t e = text.find('e');
  std::string digits;
  digits.reserve(e + static_cast<size_t>(places) + 24);
  if (value != 0)
    for (char c : text.substr(0, e))
      if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int point = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), point);
  point += 1;
  const long keep = static_cast<long>(point) + places;
  if (keep < 0 || digits.empty()) return "0";
  const auto n = static_cast<size_t>(keep);
  if (n < digits.size()) {
    const bool up = digits[n] >= '5';
    digits.resize(n);
    if (up && incrementDigits(digits)) ++point;
    if (digits.empty()) return "0";
  }
  std::string out;
  out.reserve(digits.size() + static_cast<size_t>(places) + 4);
  if (value < 0) out += '-';
  if (point > 0) {
    const auto intDigits = static_cast<size_t>(point);
    out.append(digits, 0, std::min(intDigits, digits.size()));
    if (intDigits > digits.size()) out.append(intDigits - digits.size(), '0');
  } else {
    out += '0';
  }
  std::string_view frac;
  std::string lead;
  if (point > 0) {
    frac = static_cast<size_t>(point) < digits.size()
               ? std::string_view(digits).substr(static_cast<size_t>(point))
               : std::string_view();
  } else {
    lead.assign(static_cast<size_t>(-point), '0');
    frac = digits;
  }
  while (!frac.empty() && frac.back() == '0') frac.remove_suffix(1);
  if (frac.empty()) return out;
  out += '.';
  out += lead;
  out += frac;
  return out;
}

}  // namespace

// Picks the section for the value's sign (positive; negative; zero) and writes the value.
std::string Format(double value, std::string_view mask) {
  if (!std::isfinite(value)) return nonFinite(value);
  if (int places = plainPlaces(mask); places >= 0) return formatPlain(value, places);
  std::vector<Section> sections = parseMask(mask);
  if (sections.size() == 1) return formatWith(sections[0], value, true);
  const Section& zeroSection = sections.size() >= 3 ? sections[2] : sections[0];
  if (value == 0) return formatWith(zeroSection, 0.0, false);
  if (value > 0) return formatWith(sections[0], value, false);
  const Section& neg = sections[1];
  if (allZero(sectionDigits(neg, value))) return formatWith(zeroSection, 0.0, false);
  // The negative section writes the magnitude; its own "-" and "+" still see a negative value.
  return formatWith(neg, value, false);
}

}  // namespace vorline
