#include "platform/script/Builtins.h"

#include <chrono>
#include <cmath>

#include "platform/script/Vm.h"
#include "platform/text/Format.h"
#include "platform/text/TextOps.h"
#include "platform/values/RuntimeException.h"

namespace vorline::script {

namespace {

const Type kInt(BaseType::Integer);
const Type kDbl(BaseType::Double);
const Type kStr(BaseType::String);
// The digits of hex, oct and bin are those of the 64-bit pattern, which a UInt64 holds whole.
const Type kU64(BaseType::UInt64);

double roundHalfAway(double x) { return std::round(x); }
double sinD(double x) { return std::sin(x); }
double cosD(double x) { return std::cos(x); }
double tanD(double x) { return std::tan(x); }
double asinD(double x) { return std::asin(x); }
double acosD(double x) { return std::acos(x); }
double atanD(double x) { return std::atan(x); }
double expD(double x) { return std::exp(x); }
double logD(double x) { return std::log(x); }
double log10D(double x) { return std::log10(x); }
double atan2D(double y, double x) { return std::atan2(y, x); }
double powD(double x, double y) { return std::pow(x, y); }

void setText(BuiltinArgs& a, std::string text) { a.outS->assign(std::move(text), a.vm->memory()); }

enum Math1Index { kSin, kCos, kTan, kAsin, kAcos, kAtan, kExp, kLog, kLog10, kRound };
enum Math2Index { kAtan2, kPow };

// Integer and Double max/min; NaN loses to a number.
void maxI(BuiltinArgs& a) { a.outN->i = a.n[0].i > a.n[1].i ? a.n[0].i : a.n[1].i; }
void minI(BuiltinArgs& a) { a.outN->i = a.n[0].i < a.n[1].i ? a.n[0].i : a.n[1].i; }
void maxD(BuiltinArgs& a) { a.outN->d = std::fmax(a.n[0].d, a.n[1].d); }
void minD(BuiltinArgs& a) { a.outN->d = std::fmin(a.n[0].d, a.n[1].d); }
void signD(BuiltinArgs& a) { a.outN->i = a.n[0].d > 0 ? 1 : (a.n[0].d < 0 ? -1 : 0); }
void signI(BuiltinArgs& a) { a.outN->i = a.n[0].i > 0 ? 1 : (a.n[0].i < 0 ? -1 : 0); }
void rndB(BuiltinArgs& a) { a.outN->d = a.vm->random(); }
void valB(BuiltinArgs& a) { a.outN->d = Val(a.s[0].view()); }

// Digits of the 64-bit pattern in base 2^bits, upper-case.
std::string radixText(uint64_t v, int bits) {
  static const char kDigits[] = "0123456789ABCDEF";
  if (v == 0) return "0";
  std::string out;
  uint64_t mask = (1u << bits) - 1;
  while (v) {
    out.insert(out.begin(), kDigits[v & mask]);
    v >>= bits;
  }
  return out;
}

void formatB(BuiltinArgs& a) { setText(a, Format(a.n[0].d, a.s[0].view())); }

void hexB(BuiltinArgs& a) { setText(a, radixText(a.n[0].u, 4)); }
void binB(BuiltinArgs& a) { setText(a, radixText(a.n[0].u, 1)); }
void octB(BuiltinArgs& a) {
  uint64_t v = a.n[0].u;
  std::string out;
  do {
    out.insert(out.begin(), static_cast<char>('0' + (v & 7)));
    v >>= 3;
  } while (v);
  setText(a, out);
}

void lenB(BuiltinArgs& a) { a.outN->i = a.s[0].length(); }
void leftB(BuiltinArgs& a) { setText(a, Left(a.s[0].view(), a.n[0].i)); }
void rightB(BuiltinArgs& a) { setText(a, Right(a.s[0].view(), a.n[0].i)); }
void mid2B(BuiltinArgs& a) { setText(a, Mid(a.s[0].view(), a.n[0].i)); }
void mid3B(BuiltinArgs& a) { setText(a, Mid(a.s[0].view(), a.n[0].i, a.n[1].i)); }
void instr2B(BuiltinArgs& a) { a.outN->i = InStr(a.s[0].view(), a.s[1].view()); }
void instr3B(BuiltinArgs& a) { a.outN->i = InStr(a.n[0].i, a.s[0].view(), a.s[1].view()); }
void instrb2B(BuiltinArgs& a) { a.outN->i = InStrB(1, a.s[0].view(), a.s[1].view()); }
void instrb3B(BuiltinArgs& a) { a.outN->i = InStrB(a.n[0].i, a.s[0].view(), a.s[1].view()); }
void lowerB(BuiltinArgs& a) { setText(a, Lowercase(a.s[0].view())); }
void upperB(BuiltinArgs& a) { setText(a, Uppercase(a.s[0].view())); }
void titleB(BuiltinArgs& a) { setText(a, Titlecase(a.s[0].view())); }
void trimB(BuiltinArgs& a) { setText(a, Trim(a.s[0].view())); }
void ltrimB(BuiltinArgs& a) { setText(a, LTrim(a.s[0].view())); }
void rtrimB(BuiltinArgs& a) { setText(a, RTrim(a.s[0].view())); }
void nthfieldB(BuiltinArgs& a) { setText(a, NthField(a.s[0].view(), a.s[1].view(), a.n[0].i)); }
void countfieldsB(BuiltinArgs& a) { a.outN->i = CountFields(a.s[0].view(), a.s[1].view()); }
void chrB(BuiltinArgs& a) { setText(a, Chr(a.n[0].i)); }
void ascB(BuiltinArgs& a) { a.outN->i = Asc(a.s[0].view()); }
void eolB(BuiltinArgs& a) { setText(a, std::string(EndOfLine)); }

void replaceB(BuiltinArgs& a) {
  a.vm->checkStringSize(a.s[0].view().size() + a.s[2].view().size());
  setText(a, Replace(a.s[0].view(), a.s[1].view(), a.s[2].view()));
}

// The result's size is known before it is built, so a huge one fails without being made.
void replaceAllB(BuiltinArgs& a) {
  if (!a.s[1].view().empty() && a.s[2].view().size() > a.s[1].view().size()) {
    uint64_t hits = static_cast<uint64_t>(CountFields(a.s[0].view(), a.s[1].view()) - 1);
    a.vm->checkStringSize(a.s[0].view().size() +
                          hits * (a.s[2].view().size() - a.s[1].view().size()));
  }
  setText(a, ReplaceAll(a.s[0].view(), a.s[1].view(), a.s[2].view()));
}

// Mode 0 compares bytes, any other mode compares text with letter case not counting.
void strcompB(BuiltinArgs& a) {
  int r;
  if (a.n[0].i == 0) {
    int c = a.s[0].view().compare(a.s[1].view());
    r = c < 0 ? -1 : (c > 0 ? 1 : 0);
  } else {
    r = TextCompare(a.s[0].view(), a.s[1].view());
  }
  a.outN->i = r;
}

void microsecondsB(BuiltinArgs& a) {
  using namespace std::chrono;
  a.outN->d = static_cast<double>(
      duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

void ticksB(BuiltinArgs& a) {
  using namespace std::chrono;
  a.outN->i =
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() * 60 / 1000;
}

BuiltinDef math1(const char* name, int index) {
  return BuiltinDef{name, {kDbl}, kDbl, nullptr, Op::MATH1_D, index};
}

std::vector<BuiltinDef> makeBuiltins() {
  return {
      {"abs", {kInt}, kInt, nullptr, Op::ABS_I},
      {"abs", {kDbl}, kDbl, nullptr, Op::ABS_D},
      {"sqrt", {kDbl}, kDbl, nullptr, Op::SQRT_D},
      {"floor", {kDbl}, kDbl, nullptr, Op::FLOOR_D},
      {"ceil", {kDbl}, kDbl, nullptr, Op::CEIL_D},
      math1("sin", kSin),
      math1("cos", kCos),
      math1("tan", kTan),
      math1("asin", kAsin),
      math1("acos", kAcos),
      math1("atan", kAtan),
      math1("exp", kExp),
      math1("log", kLog),
      math1("log10", kLog10),
      math1("round", kRound),
      {"atan2", {kDbl, kDbl}, kDbl, nullptr, Op::MATH2_D, kAtan2},
      {"pow", {kDbl, kDbl}, kDbl, nullptr, Op::MATH2_D, kPow},
      {"max", {kInt, kInt}, kInt, maxI},
      {"max", {kDbl, kDbl}, kDbl, maxD},
      {"min", {kInt, kInt}, kInt, minI},
      {"min", {kDbl, kDbl}, kDbl, minD},
      {"sign", {kInt}, kInt, signI},
      {"sign", {kDbl}, kInt, signD},
      {"rnd", {}, kDbl, rndB},
      {"val", {kStr}, kDbl, valB},
      {"cdbl", {kStr}, kDbl, valB},
      {"format", {kDbl, kStr}, kStr, formatB},
      {"hex", {kU64}, kStr, hexB},
      {"oct", {kU64}, kStr, octB},
      {"bin", {kU64}, kStr, binB},
      {"len", {kStr}, kInt, lenB},
      {"left", {kStr, kInt}, kStr, leftB},
      {"right", {kStr, kInt}, kStr, rightB},
      {"mid", {kStr, kInt}, kStr, mid2B},
      {"mid", {kStr, kInt, kInt}, kStr, mid3B},
      {"instr", {kStr, kStr}, kInt, instr2B},
      {"instr", {kInt, kStr, kStr}, kInt, instr3B},
      {"instrb", {kStr, kStr}, kInt, instrb2B},
      {"instrb", {kInt, kStr, kStr}, kInt, instrb3B},
      {"lowercase", {kStr}, kStr, lowerB},
      {"uppercase", {kStr}, kStr, upperB},
      {"titlecase", {kStr}, kStr, titleB},
      {"trim", {kStr}, kStr, trimB},
      {"ltrim", {kStr}, kStr, ltrimB},
      {"rtrim", {kStr}, kStr, rtrimB},
      {"nthfield", {kStr, kStr, kInt}, kStr, nthfieldB},
      {"countfields", {kStr, kStr}, kInt, countfieldsB},
      {"replace", {kStr, kStr, kStr}, kStr, replaceB},
      {"replaceall", {kStr, kStr, kStr}, kStr, replaceAllB},
      {"chr", {kInt}, kStr, chrB},
      {"asc", {kStr}, kInt, ascB},
      {"strcomp", {kStr, kStr, kInt}, kInt, strcompB},
      {"endofline", {}, kStr, eolB},
      {"microseconds", {}, kDbl, microsecondsB},
      {"ticks", {}, kInt, ticksB},
  };
}

}  // namespace

const Math1Fn kMath1[] = {sinD, cosD, tanD, asinD, acosD, atanD, expD, logD, log10D, roundHalfAway};
const Math2Fn kMath2[] = {atan2D, powD};

const std::vector<BuiltinDef>& builtins() {
  static const std::vector<BuiltinDef> table = makeBuiltins();
  return table;
}

}  // namespace vorline::script
