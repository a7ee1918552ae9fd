// ckGlue: variables, line tags, printing and number output; number, string and bit functions.
#include "glue/ckGlue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/services/Bitwise.h"
#include "platform/services/Random.h"
#include "platform/text/DecimalDigits.h"
#include "platform/text/Format.h"
#include "platform/text/TextOps.h"
#include "platform/ui/UiServices.h"
#include "platform/values/NilObjectException.h"
#include "platform/values/OutOfMemoryException.h"

namespace vorline {

namespace {

constexpr std::string_view kUnsupportedPrint = "Unsupported data type as argument for Print().";
// The longest text stringPad builds; beyond it the script gets an out-of-memory error.
constexpr int64_t kMaxPaddedBytes = 64ll * 1024 * 1024;

// A value that is not finite prints as the display form does.
std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Places after the decimal point in the value's shortest round-trip decimal (0 for a whole
// value): 3722864671804.69 has 2, 1.6e-19 has 20.
int64_t shortestFractionDigits(double value) {
  if (std::trunc(value) == value) return 0;  // the common whole value, without writing it
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  const std::string_view text(buf, static_cast<size_t>(r.ptr - buf));
  const size_t e = text.find('e');
  const std::string_view mantissa = text.substr(0, e);
  const int64_t places = mantissa.size() > 2 ? static_cast<int64_t>(mantissa.size()) - 2 : 0;
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);
  return std::max<int64_t>(0, places - exponent);
}

// Whether to round to p places by multiplying, rounding and dividing in doubles: not when the
// value has no more places (rounding cannot change its digits), nor when the scaled value
// passes 2^53, where doubles stop holding every whole number and the divide brings back
// digits the value never had. Format rounds the value's own digits then.
bool roundsByScaling(double value, double scale, int64_t p) {
  constexpr double kWholeNumbersEnd = 9007199254740992.0;  // 2^53
  // Where the quick test applies, the scaled value lies below 2^50.
  int64_t scaled = 0;
  if (const int fits = FitsPlaces(value, p, scaled); fits >= 0) return fits == 0;
  return shortestFractionDigits(value) > p && std::fabs(value * scale) < kWholeNumbersEnd;
}

// 10 to the p as std::pow gives it, worked out once for the precisions a window offers.
double tenToThe(int64_t p) {
  static const std::array<double, 15> kPowers = [] {
    std::array<double, 15> powers{};
    for (size_t i = 0; i < powers.size(); ++i) powers[i] = std::pow(10.0, static_cast<double>(i));
    return powers;
  }();
  if (p >= 0 && p < static_cast<int64_t>(kPowers.size())) return kPowers[static_cast<size_t>(p)];
  return std::pow(10.0, static_cast<double>(p));
}

}  // namespace

ckGlue::ckGlue() : methods_(buildMethodTable()) {}

ckGlue::~ckGlue() = default;

void ckGlue::setVar(const std::string& name, double value) { store(name, Variant::Double(value)); }

void ckGlue::tagLine(int64_t line) {
  if (owner) owner->exPrintLine = line;
}

// Prints by type code: String as it is, Integer by Str, Single and Double by printNumber;
// anything else (Int64 included) is reported through raiseERR and prints nothing.
void ckGlue::printAny1(const Variant& value) {
  if (!owner) return;
  switch (value.type()) {
    case Variant::TypeString:
      owner->doPrint(value.stringValue());
      break;
    case Variant::TypeInteger:
      owner->doPrint(vorline::Str(value.int64Value()));
      break;
    case Variant::TypeSingle:
    case Variant::TypeDouble:
      owner->doPrint(printNumber(value));
      break;
    default:
      raiseERR(std::string(kUnsupportedPrint));
      break;
  }
}

// Shows the message, then the owner's error signal; the script goes on.
void ckGlue::raiseERR(const std::string& message) {
  if (!owner) return;
  vorline::MsgBox(message);
  owner->DoERR();
}

// The one number output of the system, written with the mask "-0." and opPrecision "#"
// (scientific with "e" in mode 1). In mode 0 the value is first rounded to that many places
// where that rounding can change its digits and holds them (roundsByScaling).
// Scientific mode skips that rounding: it would turn every value below half a unit of the last
// place into 0e+0, so there the mask's places apply to the mantissa (1.6e-19 stays 1.6e-19).
// Non-finite values print as "INF", "-INF", "NAN"; a value whose scaling overflows is
// formatted unscaled.
std::string ckGlue::printNumber(const Variant& number) {
  if (!owner) throw vorline::NilObjectException();
  return printNumber(number.toDouble());
}

std::string ckGlue::printNumber(double value) {
  if (!owner) throw vorline::NilObjectException();
  int64_t p = owner->opPrecision;
  double scale = tenToThe(p);
  if (!std::isfinite(value)) return nonFiniteText(value);
  const bool scientific = owner->opViewMode != 0;
  if (scale > 0 && !scientific && roundsByScaling(value, scale, p)) {
    double scaled = std::round(value * scale) / scale;
    if (std::isfinite(scaled)) value = scaled;
  }
  // "-0", or "-0." and up to 14 "#".
  constexpr std::string_view kWidest = "-0.##############";
  const std::string_view fixed =
      p <= 0 ? kWidest.substr(0, 2)
             : kWidest.substr(0, 3 + static_cast<size_t>(std::min<int64_t>(p, 14)));
  if (!scientific) return vorline::Format(value, fixed);
  return vorline::Format(value, std::string(fixed) + "e");
}

int64_t ckGlue::intval(int64_t value) { return value; }

int64_t ckGlue::rnd(int64_t low, int64_t high) { return vorline::Random().InRange(low, high); }

double ckGlue::rndg() { return vorline::Random().Gaussian(); }

std::string ckGlue::stringPad(const std::string& text, const std::string& pad, int64_t width) {
  return stringPad(text, pad, width, false);
}

// Adds the pad width - Len(text) times, in front or behind; never cuts the text.
std::string ckGlue::stringPad(const std::string& text, const std::string& pad, int64_t width,
                              bool padRight) {
  int64_t k = width - vorline::Len(text);
  if (k <= 0 || pad.empty()) return text;
  int64_t padBytes = static_cast<int64_t>(pad.size());
  if (k > (kMaxPaddedBytes - static_cast<int64_t>(text.size())) / padBytes)
    throw vorline::OutOfMemoryException("stringPad to a width of " + std::to_string(width));
  std::string padding;
  padding.reserve(static_cast<size_t>(k * padBytes));
  for (int64_t i = 0; i < k; ++i) padding += pad;
  return padRight ? text + padding : padding + text;
}

std::string ckGlue::stringField(int64_t) { return ""; }

uint64_t ckGlue::BitwiseOnesComplement(uint64_t value) {
  return vorline::Bitwise::OnesComplement(value);
}

uint64_t ckGlue::BitwiseShiftLeft(uint64_t value, int64_t count) {
  return vorline::Bitwise::ShiftLeft(value, count, 64);
}

uint64_t ckGlue::BitwiseShiftRight(uint64_t value, int64_t count) {
  return vorline::Bitwise::ShiftRight(value, count, 64);
}

uint64_t ckGlue::BitwiseShiftRightB(uint64_t value, int64_t count, int64_t width) {
  return vorline::Bitwise::ShiftRight(value, count, width);
}

uint64_t ckGlue::BitwiseShiftLeftB(uint64_t value, int64_t count, int64_t width) {
  return vorline::Bitwise::ShiftLeft(value, count, width);
}

void ckGlue::constructor() {}

void ckGlue::ResetGlue() {}

double ckGlue::trunc(double value) { return std::floor(value); }

void ckGlue::setVar(const std::string& name, int64_t value) { store(name, Variant::Int64(value)); }

void ckGlue::setVar(const std::string& name, const std::string& value) {
  store(name, Variant::String(value));
}

// What the memory holds for the run counts toward its budget: a new entry its name and its
// room, a text its bytes; a store that passes the budget ends the run and is not made.
void ckGlue::store(const std::string& name, Variant value) {
  if (!owner) return;
  constexpr int64_t kEntryBytes = 64;
  auto textBytes = [](const Variant& v) {
    return v.type() == Variant::TypeString ? static_cast<int64_t>(v.stringValue().size()) : 0;
  };
  const int64_t at = owner->mem.IndexOf(name);
  const int64_t was = at >= 0 ? textBytes(owner->mem.ValueAt(at))
                              : -static_cast<int64_t>(name.size()) - kEntryBytes;
  chargeRun(textBytes(value) - was);
  owner->storeVariable(name, at, std::move(value));
}

void ckGlue::printAny(const std::string& text) {
  if (owner) owner->doPrint(text);
}

void ckGlue::printAny(int64_t number) {
  if (owner) owner->doPrint(printNumber(static_cast<double>(number)));
}

void ckGlue::printAny(double number) {
  if (owner) owner->doPrint(printNumber(number));
}

}  // namespace vorline
