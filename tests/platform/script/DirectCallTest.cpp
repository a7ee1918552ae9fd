// Context methods with a direct entry: the engine hands them the same values as the boxed
// path, for every parameter and result type and for arguments that sit among others of other
// banks; failures come out as the same run-time errors; and a String that a method keeps stays
// its own whatever the script does to the value it came from.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "platform/script/ScriptRunner.h"
#include "platform/script/TestContext.h"

namespace vorline::test {
namespace {

using T = ScriptType;

std::string showReal(double d) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", d);
  return text;
}

// An argument as a method of either path sees it, written the same for both.
std::string showBoxed(T type, const Variant& v) {
  switch (type) {
    case T::Integer:
    case T::Int64:
      return std::to_string(v.toInt64());
    case T::UInt64:
      return std::to_string(v.toUInt64());
    case T::Double:
    case T::Single:
      return showReal(v.toDouble());
    case T::Boolean:
      return v.toBoolean() ? "true" : "false";
    case T::String:
      return "'" + v.stringValue() + "'";
    default:
      return TestContext::describe(v);
  }
}

std::string showDirect(T type, const ContextArg& a) {
  switch (type) {
    case T::Integer:
    case T::Int64:
      return std::to_string(a.int64);
    case T::UInt64:
      return std::to_string(a.uint64);
    case T::Double:
    case T::Single:
      return showReal(a.real);
    case T::Boolean:
      return a.int64 == 1 ? "true" : (a.int64 == 0 ? "false" : "not 0 or 1");
    case T::String:
      return "'" + *a.text + "'";
    default:
      return TestContext::describe(*a.value);
  }
}

// What a method returns, from its first argument, for either path.
struct Result {
  int64_t int64 = 0;
  double real = 0;
  std::string text;
  Variant value;
};

Result resultFor(T type, const std::string& seen) {
  Result r;
  r.int64 = static_cast<int64_t>(seen.size()) * 1000003;
  r.real = static_cast<double>(seen.size()) / 3;
  r.text = "got " + seen;
  if (type == T::Object) r.value = Variant::Object(std::make_shared<TestFolder>());
  if (type == T::Variant) r.value = Variant::Double(r.real);
  return r;
}

Variant boxResult(T type, Result r) {
  switch (type) {
    case T::Integer:
      return Variant::Integer(r.int64);
    case T::Int64:
      return Variant::Int64(r.int64);
    case T::UInt64:
      return Variant::UInt64(static_cast<uint64_t>(-r.int64));
    case T::Double:
      return Variant::Double(r.real);
    case T::Single:
      return Variant::Single(static_cast<float>(r.real));
    case T::Boolean:
      return Variant::Boolean(r.int64 % 2 == 1);
    case T::String:
      return Variant::String(r.text);
    case T::Void:
      return Variant();
    default:
      return r.value;
  }
}

void storeResult(T type, Result r, ContextResult& out) {
  switch (type) {
    case T::UInt64:
      out.uint64 = static_cast<uint64_t>(-r.int64);
      break;
    case T::Double:
    case T::Single:
      out.real = r.real;
      break;
    case T::Boolean:
      out.int64 = r.int64 % 2 == 1;
      break;
    case T::String:
      out.text = r.text;
      break;
    case T::Variant:
    case T::Object:
      out.value = r.value;
      break;
    default:
      out.int64 = r.int64;
      break;
  }
}

struct Signature {
  const char* name;
  std::vector<T> params;
  T result;
};

// Every parameter type, every result type, and parameters of all banks interleaved.
const std::vector<Signature> kMethods = {
    {"takeInteger", {T::Integer}, T::Integer},
    {"takeInt64", {T::Int64}, T::Int64},
    {"takeUInt64", {T::UInt64}, T::UInt64},
    {"takeDouble", {T::Double}, T::Double},
    {"takeSingle", {T::Single}, T::Single},
    {"takeBoolean", {T::Boolean}, T::Boolean},
    {"takeString", {T::String}, T::String},
    {"takeVariant", {T::Variant}, T::Variant},
    {"takeObject", {T::Object}, T::Object},
    {"mixed", {T::String, T::Double, T::Variant, T::Int64, T::String, T::Boolean}, T::Void},
    {"failWith", {T::Int64}, T::Void},
};

// A context with the methods above, all boxed or all direct, each logging what it gets.
class ProbeContext : public ScriptContext {
 public:
  explicit ProbeContext(bool direct) {
    bindings_.reserve(kMethods.size());
    for (const Signature& s : kMethods) {
      bindings_.push_back({this, &s});
      ContextMethod m{s.name, s.params, s.result, nullptr};
      if (direct) {
        m.direct = &ProbeContext::directEntry;
        m.object = &bindings_.back();
      } else {
        m.call = [this, &s](const Variant* args, std::size_t count) {
          std::string seen;
          for (std::size_t i = 0; i < count; ++i) seen += " " + showBoxed(s.params[i], args[i]);
          return boxResult(s.result, take(s, seen));
        };
      }
      methods_.push_back(std::move(m));
    }
  }
  const std::vector<ContextMethod>& methods() const override { return methods_; }

  std::vector<std::string> calls;

 private:
  // What a direct entry's object points at: the context and the method.
  struct Binding {
    ProbeContext* context;
    const Signature* signature;
  };

  static void directEntry(void* object, const ContextArg* args, ContextResult& out) {
    const Binding& b = *static_cast<const Binding*>(object);
    const Signature& s = *b.signature;
    std::string seen;
    for (size_t i = 0; i < s.params.size(); ++i) seen += " " + showDirect(s.params[i], args[i]);
    storeResult(s.result, b.context->take(s, seen), out);
  }

  Result take(const Signature& s, const std::string& seen) {
    calls.push_back(s.name + seen);
    if (std::string(s.name) == "failWith") {
      if (seen == " 0") throw std::runtime_error("plain failure");
      throw RuntimeException(std::stoll(seen), "raised by the method");
    }
    return resultFor(s.result, seen);
  }

  std::vector<Binding> bindings_;
  std::vector<ContextMethod> methods_;
};

// Runs the script against both contexts; both must log and print the same.
struct BothPaths {
  explicit BothPaths(const std::string& source)
      : boxedRun(runScript(source, &boxed)), directRun(runScript(source, &direct)) {}
  ProbeContext boxed{false}, direct{true};
  RunResult boxedRun, directRun;
};

void expectSameRuns(const BothPaths& p) {
  EXPECT_EQ(p.directRun.compileErrors, 0) << p.directRun.errorInfo;
  EXPECT_EQ(p.direct.calls, p.boxed.calls);
  EXPECT_EQ(p.directRun.output(), p.boxedRun.output());
  EXPECT_EQ(p.directRun.errorNumber, p.boxedRun.errorNumber);
  EXPECT_EQ(p.directRun.errorMessage, p.boxedRun.errorMessage);
}

TEST(DirectCall, EveryParameterTypeGetsTheValuesOfTheBoxedPath) {
  BothPaths p(
      "dim i as integer = -7\ndim u as uint64 = 0\nu = u - 1\ndim one as int8 = 127\n"
      "one = one + 1\ndim v as variant = \"text\"\n"
      "takeInteger i\ntakeInteger one\ntakeInt64 9223372036854775807\ntakeUInt64 u\n"
      "takeDouble 0.1\ntakeDouble -0.0\ntakeSingle 0.1\ntakeSingle 16777217\n"
      "takeBoolean true\ntakeBoolean 1 = 2\ntakeBoolean i < 0\n"
      "takeString \"\"\ntakeString \"ü and €\"\n"
      "takeVariant v\ntakeVariant 2.5\ntakeVariant 3\ntakeVariant nil\n"
      "takeObject nil\ntakeObject takeObject(nil)");
  expectSameRuns(p);
  ASSERT_EQ(p.direct.calls.size(), 20u);
  EXPECT_EQ(p.direct.calls[0], "takeInteger -7");
  EXPECT_EQ(p.direct.calls[3], "takeUInt64 18446744073709551615");
  EXPECT_EQ(p.direct.calls[4], "takeDouble 0.10000000000000001");
  EXPECT_EQ(p.direct.calls[6], "takeSingle 0.10000000149011612");
  EXPECT_EQ(p.direct.calls[10], "takeBoolean true");
  EXPECT_EQ(p.direct.calls[11], "takeString ''");
  EXPECT_EQ(p.direct.calls[12], "takeString 'ü and €'");
  EXPECT_EQ(p.direct.calls[13], "takeVariant String text");
  EXPECT_EQ(p.direct.calls[19].rfind("takeObject Object", 0), 0u) << p.direct.calls[19];
}

TEST(DirectCall, ArgumentsOfAllBanksInterleavedArriveInOrder) {
  BothPaths p(
      "dim a as string = \"first\"\ndim n as double = 1.5\n"
      "mixed a, n, 7, n * 2, a + \" second\", n > 1\n"
      "mixed \"x\", 0, \"y\", 3, \"z\", false");
  expectSameRuns(p);
  EXPECT_EQ(p.direct.calls,
            (std::vector<std::string>{"mixed 'first' 1.5 Integer 7 3 'first second' true",
                                      "mixed 'x' 0 String y 3 'z' false"}));
}

TEST(DirectCall, EveryResultTypeComesBackAsFromTheBoxedPath) {
  BothPaths p(
      "print str(takeInteger(5))\nprint str(takeInt64(5))\nprint str(takeUInt64(5))\n"
      "print str(takeDouble(5))\nprint str(takeSingle(5))\nprint str(takeBoolean(true))\n"
      "print takeString(\"a\")\nprint takeString(\"bb\")\ndim v as variant = takeVariant(1)\n"
      "dim t as string = v\nprint t\ntakeVariant takeObject(nil)");
  expectSameRuns(p);
  EXPECT_EQ(p.directRun.output(),
            "2000006|2000006|18446744073707551610|0.666666666666667|0.6666667|True|got  'a'|"
            "got  'bb'|3.33333333333333");
  EXPECT_EQ(p.direct.calls.back().rfind("takeVariant Object", 0), 0u) << p.direct.calls.back();
}

TEST(DirectCall, FailuresBecomeTheRunTimeErrorsOfTheBoxedPath) {
  for (const char* source : {"print \"before\"\nfailWith 0\nprint \"after\"",
                             "print \"before\"\nfailWith 17\nprint \"after\""}) {
    BothPaths p(source);
    expectSameRuns(p);
    EXPECT_EQ(p.directRun.output(), "before") << source;
    EXPECT_EQ(p.directRun.runtimeErrors, 1) << source;
  }
  BothPaths raised("failWith 17");
  EXPECT_EQ(raised.directRun.errorNumber, 17);
  EXPECT_EQ(raised.directRun.errorMessage, "raised by the method");
}

// The script's String and the copy a method keeps of it change apart, either way round.
TEST(DirectCall, AKeptStringStaysApartFromTheScriptsValue) {
  std::string kept;
  TestContext ctx;
  ctx.add({"keep",
           {T::String},
           T::Void,
           nullptr,
           [](void* o, const ContextArg* a, ContextResult&) {
             *static_cast<std::string*>(o) = *a[0].text;
           },
           &kept});
  ctx.add(
      {"kept",
       {},
       T::String,
       nullptr,
       [](void* o, const ContextArg*, ContextResult& r) { r.text = *static_cast<std::string*>(o); },
       &kept});
  ctx.add({"changeKept",
           {},
           T::Void,
           nullptr,
           [](void* o, const ContextArg*, ContextResult&) { *static_cast<std::string*>(o) += "!"; },
           &kept});
  RunResult r = runScript(
      "dim s as string = \"ab\"\ns = s + \"c\"\nkeep s\ns = s + \"d\"\nprint s\nprint kept\n"
      "changeKept\nprint s\ndim t as string = kept\nchangeKept\nprint t\nt = t + \"?\"\n"
      "print kept\nprint t",
      &ctx);
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "abcd|abc|abcd|abc!|abc!!|abc!?");
  EXPECT_EQ(kept, "abc!!");
}

}  // namespace
}  // namespace vorline::test
