// The table through which the engine calls the glue: names, order, types, and how failures
// come out of it.
#include <tuple>

#include "glue/GlueTestSupport.h"
#include "platform/script/ScriptEngine.h"

namespace vorline::gluetest {
namespace {

using vorline::ContextMethod;
using vorline::RuntimeException;
using vorline::ScriptType;
using vorline::Variant;

constexpr ScriptType V = ScriptType::Void, S = ScriptType::String, I = ScriptType::Int64,
                     U = ScriptType::UInt64, D = ScriptType::Double, B = ScriptType::Boolean,
                     A = ScriptType::Variant, O = ScriptType::Object;

struct Signature {
  const char* name;
  std::vector<ScriptType> params;
  ScriptType result;
};

const std::vector<Signature> kExpected = {
    {"setVar", {S, D}, V},
    {"tagLine", {I}, V},
    {"printAny1", {A}, V},
    {"raiseERR", {S}, V},
    {"printNumber", {A}, S},
    {"writeFile", {S, S}, V},
    {"path", {}, S},
    {"intval", {I}, I},
    {"rnd", {I, I}, I},
    {"rndg", {}, D},
    {"stringPad", {S, S, I}, S},
    {"stringPad", {S, S, I, B}, S},
    {"shellExec", {S}, S},
    {"setClipboard", {S}, V},
    {"getClipboard", {}, S},
    {"rgex", {S, S, B}, B},
    {"stringField", {I}, S},
    {"BitwiseOnesComplement", {U}, U},
    {"BitwiseShiftLeft", {U, I}, U},
    {"BitwiseShiftRight", {U, I}, U},
    {"BitwiseShiftRightB", {U, I, I}, U},
    {"BitwiseShiftLeftB", {U, I, I}, U},
    {"SQLDateTime", {D}, S},
    {"ShortTime", {D}, S},
    {"LongTime", {D}, S},
    {"LongDate", {D}, S},
    {"ShortDate", {D}, S},
    {"now", {}, D},
    {"time", {}, D},
    {"day", {D}, I},
    {"month", {D}, I},
    {"year", {D}, I},
    {"DayOfWeek", {D}, I},
    {"DayOfYear", {D}, I},
    {"GMTOffset", {D}, D},
    {"minute", {D}, I},
    {"hour", {D}, I},
    {"second", {D}, I},
    {"ParseDate", {S}, D},
    {"date_IsLeapYear", {I}, B},
    {"date_mkCookieTime", {D}, S},
    {"date_mktime", {I, I, I, I, I, I, I}, D},
    {"date_formatDate", {S, D}, S},
    {"urlEncode", {S}, S},
    {"readFile", {S}, S},
    {"pathToFolderitem", {S}, O},
    {"constructor", {}, V},
    {"ResetGlue", {}, V},
    {"createView", {I, I}, V},
    {"showView", {}, V},
    {"viewSetPenColor", {I, I, I}, V},
    {"viewDrawPoint", {I, I}, V},
    {"viewSetPenSize", {I}, V},
    {"viewDrawRectangle", {I, I, I, I}, V},
    {"viewDrawOval", {I, I, I, I}, V},
    {"viewFillRectangle", {I, I, I, I}, V},
    {"viewFillOval", {I, I, I, I}, V},
    {"viewDrawLine", {I, I, I, I}, V},
    {"viewClear", {}, V},
    {"trunc", {D}, D},
    {"setVar", {S, I}, V},
    {"setVar", {S, S}, V},
    {"printAny", {S}, V},
    {"printAny", {I}, V},
    {"printAny", {D}, V},
};

const ContextMethod& find(const ckGlue& glue, const std::string& name,
                          std::vector<ScriptType> params) {
  for (const ContextMethod& m : glue.methods())
    if (m.name == name && m.params == params) return m;
  throw std::runtime_error("no method " + name);
}

TEST_F(GlueFixture, PublishesTheSixtyFiveMethodsInOrder) {
  const auto& methods = glue.methods();
  ASSERT_EQ(methods.size(), 65u);
  ASSERT_EQ(kExpected.size(), 65u);
  for (size_t i = 0; i < methods.size(); ++i) {
    EXPECT_EQ(methods[i].name, kExpected[i].name) << i;
    EXPECT_EQ(methods[i].params, kExpected[i].params) << kExpected[i].name;
    EXPECT_EQ(methods[i].result, kExpected[i].result) << kExpected[i].name;
  }
}

TEST_F(GlueFixture, CallsThroughTheTableReachTheMethods) {
  Variant args[] = {Variant::String("x"), Variant::Int64(5)};
  find(glue, "setVar", {S, I}).call(args, 2);
  EXPECT_EQ(owner.mem.Value("x").type(), Variant::TypeInt64);
  Variant pad[] = {Variant::String("7"), Variant::String("0"), Variant::Int64(3),
                   Variant::Boolean(true)};
  EXPECT_EQ(find(glue, "stringPad", {S, S, I, B}).call(pad, 4).stringValue(), "700");
  Variant bits[] = {Variant::UInt64(0)};
  Variant all = find(glue, "BitwiseOnesComplement", {U}).call(bits, 1);
  EXPECT_TRUE(all.isUnsigned());
  EXPECT_EQ(all.uint64Value(), UINT64_MAX);
  Variant file[] = {Variant::String("notes.txt")};
  Variant item = find(glue, "pathToFolderitem", {S}).call(file, 1);
  ASSERT_EQ(item.type(), Variant::TypeObject);
  EXPECT_EQ(item.toObject()->typeName(), "FolderItem");
}

TEST_F(GlueFixture, FailuresLeaveTheTableAsNumberedRuntimeErrors) {
  glue.owner = nullptr;
  Variant number[] = {Variant::Double(1)};
  try {
    find(glue, "printNumber", {A}).call(number, 1);
    FAIL() << "no exception";
  } catch (const RuntimeException& e) {
    EXPECT_EQ(e.ErrorNumber, ErrorNumberOf(RuntimeErrorCode::NilObject));
    EXPECT_EQ(e.Message, "Nil object");
  }
  Variant shift[] = {Variant::UInt64(1), Variant::Int64(1), Variant::Int64(12)};
  try {
    find(glue, "BitwiseShiftLeftB", {U, I, I}).call(shift, 3);
    FAIL() << "no exception";
  } catch (const RuntimeException& e) {
    EXPECT_EQ(e.ErrorNumber, ErrorNumberOf(RuntimeErrorCode::UnsupportedFormat));
    EXPECT_NE(e.Message.find("12"), std::string::npos) << e.Message;
  }
  Variant size[] = {Variant::Int64(0), Variant::Int64(10)};
  EXPECT_THROW(find(glue, "createView", {I, I}).call(size, 2), RuntimeException);
  EXPECT_THROW(find(glue, "tagLine", {I}).call(size, 2), RuntimeException);  // wrong arity
}

// What a call left in the owner: the printed texts, the error signals, the tagged line and
// the variables with their types.
std::string ownerState(const TestOwner& owner) {
  std::string state = "line " + std::to_string(owner.exPrintLine) + ", errors " +
                      std::to_string(owner.errors) + ", printed";
  for (const std::string& p : owner.printed) state += " '" + p + "'";
  for (int64_t i = 0; i < owner.mem.Count(); ++i) {
    const Variant& v = owner.mem.ValueAt(i);
    state += ", " + owner.mem.Key(i) + " " + std::to_string(v.type()) + " " + v.toString();
  }
  return state;
}

// The methods with a direct entry: each leaves the owner as its boxed call does, for the
// values a script passes them.
TEST_F(GlueFixture, DirectEntriesDoWhatTheBoxedCallsDo) {
  struct Case {
    const char* name;
    std::vector<ScriptType> params;
    std::vector<Variant> args;
    const char* state;  // of the owner after the call
  } cases[] = {
      {"setVar", {S, D}, {Variant::String("x"), Variant::Double(2.5)}, "x 5 2.5"},
      {"setVar", {S, I}, {Variant::String("n"), Variant::Int64(-5)}, "n 3 -5"},
      {"setVar", {S, S}, {Variant::String("s"), Variant::String("t ü")}, "s 8 t ü"},
      {"tagLine", {I}, {Variant::Int64(7)}, "line 7"},
      {"printAny", {S}, {Variant::String("hello")}, "'hello'"},
      {"printAny", {I}, {Variant::Int64(42)}, "'42'"},
      {"printAny", {D}, {Variant::Double(2.123456)}, "'2.1235'"},
      {"printAny1", {A}, {Variant::Double(1.5)}, "'1.5'"},
      {"printAny1", {A}, {Variant::Int64(3)}, "errors 1"},
  };
  for (const Case& c : cases) {
    const ContextMethod& m = find(glue, c.name, c.params);
    ASSERT_NE(m.direct, nullptr) << c.name;
    owner = TestOwner();
    owner.opPrecision = 4;
    m.call(c.args.data(), c.args.size());
    std::string boxed = ownerState(owner);
    EXPECT_NE(boxed.find(c.state), std::string::npos) << c.name << ": " << boxed;

    owner = TestOwner();
    owner.opPrecision = 4;
    std::vector<std::string> texts(c.args.size());
    std::vector<vorline::ContextArg> args(c.args.size());
    for (size_t i = 0; i < c.args.size(); ++i) {
      if (c.params[i] == S) {
        texts[i] = c.args[i].stringValue();
        args[i].text = &texts[i];
      } else if (c.params[i] == I) {
        args[i].int64 = c.args[i].int64Value();
      } else if (c.params[i] == D) {
        args[i].real = c.args[i].doubleValue();
      } else {
        args[i].value = &c.args[i];
      }
    }
    vorline::ContextResult result;
    m.direct(m.object, args.data(), result);
    EXPECT_EQ(ownerState(owner), boxed) << c.name;
  }
}

// The boxed call of a direct entry passes its arguments through and returns nothing, so only
// Void methods of few parameters may have one.
TEST_F(GlueFixture, DirectEntriesBelongToVoidMethods) {
  int direct = 0;
  for (const ContextMethod& m : glue.methods()) {
    if (!m.direct) continue;
    ++direct;
    EXPECT_EQ(m.result, V) << m.name;
    EXPECT_LE(m.params.size(), 2u) << m.name;
    EXPECT_EQ(m.object, &glue) << m.name;
  }
  EXPECT_EQ(direct, 8);
}

}  // namespace
}  // namespace vorline::gluetest
