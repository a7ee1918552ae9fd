// End to end: scripts in the form the converter writes them, run by the script engine with a
// ckGlue context whose owner keeps a source-line list as the window does.
#include <QFile>

#include "glue/GlueTestSupport.h"
#include "platform/script/ScriptEngine.h"

namespace vorline::gluetest {
namespace {

// The window's side: doPrint appends " //" and the text to the line being run.
class PadOwner : public TestOwner {
 public:
  std::vector<std::string> parseSource;
  void doPrint(const std::string& text) override {
    TestOwner::doPrint(text);
    if (exPrintLine >= 0 && exPrintLine < static_cast<int64_t>(parseSource.size()))
      parseSource[static_cast<size_t>(exPrintLine)] += " //" + text;
  }
};

class GlueEngine : public GlueFixture {
 protected:
  void SetUp() override {
    GlueFixture::SetUp();
    pad.opPrecision = 4;
    pad.currentPath = root + "/pads/";
    glue.owner = &pad;
    engine.Context = &glue;
    engine.Print = [this](const std::string& text) { pad.doPrint(text); };
    engine.CompilerError = [this](const vorline::ScriptLocation& at, int64_t code,
                                  const std::string& info) {
      compileError =
          "line " + std::to_string(at.Line) + " code " + std::to_string(code) + ": " + info;
      return false;
    };
    engine.RuntimeError = [this](const vorline::RuntimeException& e) {
      runtimeError = std::to_string(e.ErrorNumber) + " " + e.Message;
    };
  }

  // Runs the script with the given pad lines registered; returns the rebuilt pad.
  std::string run(const std::string& script, std::vector<std::string> lines) {
    pad.parseSource = std::move(lines);
    pad.exPrintLine = 0;
    engine.Source = script;
    engine.Run();
    std::string text;
    for (size_t i = 0; i < pad.parseSource.size(); ++i)
      text += (i ? "\n" : "") + pad.parseSource[i];
    return text;
  }

  PadOwner pad;
  vorline::ScriptEngine engine;
  std::string compileError, runtimeError;
};

const std::string kAns = "dim ans as double = 0\n";

TEST_F(GlueEngine, TheWorkedExampleStoresAndPrintsByPrecision) {
  std::string script = "\n" + kAns +
                       "dim x as double\ntagLine 0\nx = 2*3\nsetVar \"x\", x\nprintAny x\n" +
                       "tagLine 1\nprint str(x + 1)\n\n";
  EXPECT_EQ(run(script, {"x = 2*3", "x + 1"}), "x = 2*3 //6\nx + 1 //7");
  EXPECT_EQ(compileError, "");
  EXPECT_EQ(pad.mem.Value("x").type(), vorline::Variant::TypeDouble);
  EXPECT_EQ(pad.mem.Value("x").doubleValue(), 6);
}

TEST_F(GlueEngine, SetVarAndPrintAnyFollowTheVariablesType) {
  std::string script = "\n" + kAns +
                       "dim n as integer\ndim s as string\ndim x as double\n"
                       "tagLine 0\nn = 7\nsetVar \"n\", n\nprintAny n\n"
                       "tagLine 1\ns = \"hi\"\nsetVar \"s\", s\nprintAny s\n"
                       "tagLine 2\nx = 3.14159265\nsetVar \"x\", x\nprintAny x\nprint str(x)\n\n";
  EXPECT_EQ(run(script, {"#n = 7", "$s = \"hi\"", "x = 3.14159265"}),
            "#n = 7 //7\n$s = \"hi\" //hi\nx = 3.14159265 //3.1416 //3.14159265");
  EXPECT_EQ(pad.mem.Value("n").type(), vorline::Variant::TypeInt64);
  EXPECT_EQ(pad.mem.Value("s").stringValue(), "hi");
}

TEST_F(GlueEngine, PrecisionAndModeApplyToPrintAnyOnly) {
  pad.opPrecision = 2;
  pad.opViewMode = 1;
  std::string script = "\n" + kAns +
                       "dim x as double\ntagLine 0\nx = 1234.5678\nsetVar \"x\", x\nprintAny x\n" +
                       "tagLine 1\nprint str(x)\n\n";
  EXPECT_EQ(run(script, {"x = 1234.5678", "x"}), "x = 1234.5678 //1.23e+3\nx //1234.5678");
}

TEST_F(GlueEngine, PadNamesThatAreAlsoGlueMethods) {
  std::string script = "\n" + kAns +
                       "dim time as double\ndim day as double\n"
                       "tagLine 0\ntime = 5\nsetVar \"time\", time\nprintAny time\n"
                       "tagLine 1\nday = day(1796756709)\nsetVar \"day\", day\nprintAny day\n\n";
  EXPECT_EQ(run(script, {"time = 5", "day = day(1796756709)"}),
            "time = 5 //5\nday = day(1796756709) //8");
  EXPECT_EQ(compileError, "");
}

TEST_F(GlueEngine, GlueFunctionsInsideExpressions) {
  struct Case {
    const char* expression;
    const char* printed;
  } cases[] = {
      {"date_formatDate(\"D, d M Y\", 1796756709)", "Tue, 08 Dec 2026"},
      {"date_mkCookieTime(1796756709)", "Tue, 08-Dec-2026 19:05:09 GMT"},
      {"str(date_mktime(19, 5, 9, 12, 8, 2026, 0))", "1796756709"},
      {"str(ParseDate(\"12/8/2026\"))", "1796688000"},
      {"str(date_IsLeapYear(2024))", "True"},
      {"str(trunc(-2.5))", "-3"},
      {"str(intval(5.9))", "5"},
      {"stringPad(\"7\", \"0\", 3)", "007"},
      {"stringPad(\"7\", \"0\", 3, true)", "700"},
      {"stringField(12) + \"x\"", "x"},
      {"str(BitwiseShiftLeft(1, 3))", "8"},
      {"str(BitwiseOnesComplement(0))", "18446744073709551615"},
      {"str(BitwiseShiftRightB(255, 4, 8))", "15"},
      {"urlEncode(\"a b&c\")", "a%20b%26c"},
      {"str(rgex(\"ABC\", \"b\", false))", "True"},
      {"str(rgex(\"ABC\", \"b\", true))", "False"},
      {"printNumber(2.71828)", "2.7183"},
      {"str(year(now) > 2000 and time >= now - 60)", "True"},
      {"str(rnd(4, 4))", "4"},
  };
  for (const Case& c : cases) {
    std::string script = "\n" + kAns + "tagLine 0\nprint " + c.expression + "\n\n";
    EXPECT_EQ(run(script, {"e"}), std::string("e //") + c.printed) << c.expression;
    EXPECT_EQ(compileError, "") << c.expression;
    EXPECT_EQ(runtimeError, "") << c.expression;
    compileError.clear();
    runtimeError.clear();
  }
}

// The glue's methods given their arguments in Variants (elements of a Variant array, as
// array literals make them) give what they give for typed arguments, value or error; a
// UInt64 past the Int64 range fails where an Int64 parameter cannot hold it.
TEST_F(GlueEngine, MethodsGiveTheSameForArgumentsHeldInVariants) {
  const std::string big = "BitwiseShiftLeft(1, 63)";
  const std::vector<std::vector<std::string>> calls = {
      {"intval", "5.9"},
      {"intval", "-7"},
      {"intval", big},
      {"trunc", "-2.5"},
      {"trunc", "7"},
      {"stringPad", "\"7\"", "\"0\"", "3"},
      {"stringPad", "\"7\"", "\"ab\"", "3.9", "true"},
      {"stringField", "12"},
      {"BitwiseShiftLeft", "1", "63"},
      {"BitwiseShiftRight", big, "3"},
      {"BitwiseOnesComplement", "0"},
      {"BitwiseShiftRightB", "255", "4", "8"},
      {"date_IsLeapYear", "2024"},
      {"date_IsLeapYear", "2023.5"},
      {"day", "1796756709"},
      {"date_mktime", "19", "5", "9", "12", "8", "2026", "0"},
      {"SQLDateTime", "1796756709"},
      {"date_formatDate", "\"D, d M Y\"", "1796756709"},
      {"urlEncode", "\"a b&c\""},
      {"rnd", "4", "4"},
      {"printNumber", "2.71828"},
      {"printNumber", big},
      {"rgex", "\"ABC\"", "\"b\"", "false"}};
  for (const std::vector<std::string>& call : calls) {
    std::string typed, held, decl = "dim v(" + std::to_string(call.size()) + ") as variant\n";
    for (size_t i = 1; i < call.size(); ++i) {
      decl += "v(" + std::to_string(i) + ") = " + call[i] + "\n";
      typed += (i > 1 ? ", " : "") + call[i];
      held += (i > 1 ? ", v(" : "v(") + std::to_string(i) + ")";
    }
    std::string results[2];
    for (int form = 0; form < 2; ++form) {
      const std::string args = form ? held : typed;
      run("\n" + kAns + decl + "tagLine 0\nprint str(" + call[0] + "(" + args + "))\n", {"e"});
      results[form] = pad.parseSource[0] + " " + compileError + runtimeError;
      compileError.clear();
      runtimeError.clear();
    }
    EXPECT_EQ(results[1], results[0]) << call[0] << "(" << typed << ")";
  }
  // intval cannot take a UInt64 past the Int64 range: both forms above fail alike.
  run("\n" + kAns + "tagLine 0\nprint str(intval(" + big + "))\n", {"e"});
  EXPECT_EQ(runtimeError, "3 Integer overflow: 9223372036854775808 does not fit in an Integer");
}

TEST_F(GlueEngine, TheGluesOwnErrorsLetTheScriptGoOn) {
  std::string script = "\n" + kAns +
                       "tagLine 0\nprintAny1 true\n"
                       "tagLine 1\nprint str(rgex(\"abc\", \"(ab\", true))\n"
                       "tagLine 2\nprintAny1 42\n\n";
  EXPECT_EQ(run(script, {"a", "b", "c"}), "a\nb //False\nc //42");
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0], "Unsupported data type as argument for Print().");
  EXPECT_EQ(pad.errors, 2);
  EXPECT_EQ(runtimeError, "");
}

TEST_F(GlueEngine, OtherFailuresBecomeRuntimeErrorsAndKeepWhatRan) {
  std::string script =
      "\n" + kAns + "tagLine 0\nprint \"before\"\ncreateView 0, 10\nprint \"after\"\n\n";
  EXPECT_EQ(run(script, {"a"}), "a //before");
  EXPECT_EQ(runtimeError, "13 Invalid argument: a picture of 0 x 10 pixels");
  glue.owner = nullptr;
  runtimeError.clear();
  run("\n" + kAns + "print printNumber(1)\n", {});
  EXPECT_EQ(runtimeError, "4 Nil object");
}

TEST_F(GlueEngine, FilesShellAndClipboardFromAScript) {
  std::string script = "\n" + kAns +
                       "tagLine 0\nwriteFile \"./e2e.txt\", \"one\" + chr(10) + \"two\"\n"
                       "print readFile(\"./e2e.txt\")\n"
                       "tagLine 1\nprint shellExec(\"printf 'x\\r\\ny'\")\n"
                       "tagLine 2\nsetClipboard \"clip\"\nprint getClipboard + path\n\n";
  std::string rebuilt = run(script, {"w", "s", "c"});
  EXPECT_EQ(rebuilt, "w //one\ntwo\ns //x\n\ny\nc //clip" + root + "/app/");
  QFile f(QString::fromStdString(root + "/pads/e2e.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().toStdString(), "one\ntwo");
}

TEST_F(GlueEngine, DrawingFromAScriptPersistsInTheView) {
  std::string script =
      "\n" + kAns +
      "tagLine 0\ncreateView 20, 10\nviewSetPenColor 255, 0, 0\nviewDrawPoint 3, 4\n"
      "viewSetPenSize 2\nviewDrawLine 0, 8, 19, 8\nshowView\n\n";
  run(script, {"d"});
  ASSERT_NE(glue.gCanvas, nullptr);
  EXPECT_EQ(glue.gCanvas->Pixel(3, 4), (vorline::Color{255, 0, 0, 0}));
  EXPECT_EQ(glue.gCanvas->Pixel(10, 8), (vorline::Color{255, 0, 0, 0}));
  EXPECT_EQ(glue.gCanvas->Pixel(3, 5), (vorline::Color{255, 255, 255, 0}));
  run("\n" + kAns + "tagLine 0\nviewFillRectangle 0, 0, 1, 1\n", {"n"});  // a later run draws on
  EXPECT_EQ(glue.gCanvas->Pixel(0, 0), (vorline::Color{255, 0, 0, 0}));
}

}  // namespace
}  // namespace vorline::gluetest
