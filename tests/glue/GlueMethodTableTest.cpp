// The table through which the engine calls the glue: names, order, types, and how failures
// come out of it.
#include <tuple>

#include "glue/GlueTestSupport.h"
#include "platform/script/XojoScript.h"

namespace gluetest {
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

const ContextMethod& find(const ckRBGlue& glue, const std::string& name,
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
    EXPECT_EQ(e.ErrorNumber, 4);
    EXPECT_EQ(e.Message, "Nil object");
  }
  Variant shift[] = {Variant::UInt64(1), Variant::Int64(1), Variant::Int64(12)};
  try {
    find(glue, "BitwiseShiftLeftB", {U, I, I}).call(shift, 3);
    FAIL() << "no exception";
  } catch (const RuntimeException& e) {
    EXPECT_GE(e.ErrorNumber, 10);
    EXPECT_NE(e.Message.find("12"), std::string::npos) << e.Message;
  }
  Variant size[] = {Variant::Int64(0), Variant::Int64(10)};
  EXPECT_THROW(find(glue, "createView", {I, I}).call(size, 2), RuntimeException);
  EXPECT_THROW(find(glue, "tagLine", {I}).call(size, 2), RuntimeException);  // wrong arity
}

}  // namespace
}  // namespace gluetest
