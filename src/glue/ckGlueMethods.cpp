// ckGlue: the method table through which scripts call the glue, in the class's own order.
#include <functional>
#include <new>
#include <string>
#include <utility>

#include "glue/ckGlue.h"
#include "platform/script/ScriptEngine.h"
#include "platform/values/NilObjectException.h"

namespace vorline {

namespace {

constexpr ScriptType kVoid = ScriptType::Void;
constexpr ScriptType kStr = ScriptType::String;
constexpr ScriptType kI64 = ScriptType::Int64;
constexpr ScriptType kU64 = ScriptType::UInt64;
constexpr ScriptType kDbl = ScriptType::Double;
constexpr ScriptType kBool = ScriptType::Boolean;
constexpr ScriptType kVar = ScriptType::Variant;
constexpr ScriptType kObj = ScriptType::Object;

// Runs one call; a failure that is not yet a run-time error becomes one with a number, so the
// script reports "Nil object" or the platform's message instead of ending the program.
template <typename Call>
Variant guarded(const Call& call, const Variant* args) {
  try {
    return call(args);
  } catch (const RuntimeException&) {
    throw;
  } catch (...) {
    throw RuntimeException::From(std::current_exception());
  }
}

void checkArity(std::size_t count, std::size_t arity) {
  if (count != arity)
    RaiseError(RuntimeErrorCode::Failure, "wrong number of arguments for a context method");
}

template <typename Call>
ContextMethod method(std::string name, std::vector<ScriptType> params, ScriptType result,
                     Call call) {
  size_t arity = params.size();
  return ContextMethod{std::move(name), std::move(params), result,
                       [call = std::move(call), arity](const Variant* args, std::size_t count) {
                         checkArity(count, arity);
                         return guarded(call, args);
                       }};
}

std::string S(const Variant& v) { return v.isString() ? v.stringValue() : v.toString(); }
int64_t I(const Variant& v) { return v.toInt64(); }
uint64_t U(const Variant& v) { return v.toUInt64(); }
double D(const Variant& v) { return v.toDouble(); }
bool B(const Variant& v) { return v.toBoolean(); }

Variant none() { return Variant(); }

// The most arguments a direct entry of this table takes.
constexpr std::size_t kMaxDirectParams = 2;

// The boxed call of a method that has a direct entry: converts the Variants as every other
// entry does and calls the direct entry, so that both paths run the same code.
Variant callThroughDirect(ContextEntry entry, void* object, const std::vector<ScriptType>& params,
                          const Variant* args) {
  ContextArg in[kMaxDirectParams];
  std::string texts[kMaxDirectParams];
  for (std::size_t i = 0; i < params.size(); ++i) {
    switch (params[i]) {
      case ScriptType::String:
        texts[i] = S(args[i]);
        in[i].text = &texts[i];
        break;
      case ScriptType::Double:
        in[i].real = D(args[i]);
        break;
      case ScriptType::Variant:
        in[i].value = &args[i];
        break;
      default:  // Int64, the only other parameter type of the direct entries
        in[i].int64 = I(args[i]);
        break;
    }
  }
  ContextResult out;
  entry(object, in, out);
  return none();  // every direct entry of this table is a Void method
}

// A Void method that scripts call on nearly every pad line: entry reads the engine's values as
// they are, and the boxed call goes through it too.
ContextMethod direct(ckGlue* glue, std::string name, std::vector<ScriptType> params,
                     ContextEntry entry) {
  auto boxed = [entry, glue, params](const Variant* args, std::size_t count) {
    checkArity(count, params.size());
    return guarded([&](const Variant* a) { return callThroughDirect(entry, glue, params, a); },
                   args);
  };
  return ContextMethod{std::move(name), std::move(params), kVoid, boxed, entry, glue};
}

ckGlue& glueOf(void* object) { return *static_cast<ckGlue*>(object); }

}  // namespace

// The table in the class's order, one entry per script-facing method; each entry converts its
// arguments from the engine's Variants and boxes its result. The methods of every pad line
// (variables, line tags, prints) have direct entries as well.
std::vector<ContextMethod> ckGlue::buildMethodTable() {
  std::vector<ContextMethod> t;
  t.reserve(65);
  addVariableAndFileMethods(t);
  addStringShellAndBitMethods(t);
  addDateMethods(t);
  addFileAndViewMethods(t);
  addDrawingAndOverloadMethods(t);
  return t;
}

// Variables, printing, the pad's folder and random numbers (methods 1 to 10).
void ckGlue::addVariableAndFileMethods(std::vector<ContextMethod>& t) {
  t.push_back(
      direct(this, "setVar", {kStr, kDbl}, [](void* g, const ContextArg* a, ContextResult&) {
        glueOf(g).setVar(*a[0].text, a[1].real);
      }));
  t.push_back(direct(this, "tagLine", {kI64}, [](void* g, const ContextArg* a, ContextResult&) {
    glueOf(g).tagLine(a[0].int64);
  }));
  t.push_back(direct(this, "printAny1", {kVar}, [](void* g, const ContextArg* a, ContextResult&) {
    glueOf(g).printAny1(*a[0].value);
  }));
  t.push_back(method("raiseERR", {kStr}, kVoid, [this](const Variant* a) {
    raiseERR(S(a[0]));
    return none();
  }));
  t.push_back(method("printNumber", {kVar}, kStr,
                     [this](const Variant* a) { return Variant::String(printNumber(a[0])); }));
  t.push_back(method("writeFile", {kStr, kStr}, kVoid, [this](const Variant* a) {
    writeFile(S(a[0]), S(a[1]));
    return none();
  }));
  t.push_back(method("path", {}, kStr, [this](const Variant*) { return Variant::String(path()); }));
  t.push_back(method("intval", {kI64}, kI64,
                     [this](const Variant* a) { return Variant::Int64(intval(I(a[0]))); }));
  t.push_back(method("rnd", {kI64, kI64}, kI64,
                     [this](const Variant* a) { return Variant::Int64(rnd(I(a[0]), I(a[1]))); }));
  t.push_back(method("rndg", {}, kDbl, [this](const Variant*) { return Variant::Double(rndg()); }));
}

// Padding, shell, clipboard, patterns, fields and bits (11 to 22).
void ckGlue::addStringShellAndBitMethods(std::vector<ContextMethod>& t) {
  t.push_back(method("stringPad", {kStr, kStr, kI64}, kStr, [this](const Variant* a) {
    return Variant::String(stringPad(S(a[0]), S(a[1]), I(a[2])));
  }));
  t.push_back(method("stringPad", {kStr, kStr, kI64, kBool}, kStr, [this](const Variant* a) {
    return Variant::String(stringPad(S(a[0]), S(a[1]), I(a[2]), B(a[3])));
  }));
  t.push_back(method("shellExec", {kStr}, kStr,
                     [this](const Variant* a) { return Variant::String(shellExec(S(a[0]))); }));
  t.push_back(method("setClipboard", {kStr}, kVoid, [this](const Variant* a) {
    setClipboard(S(a[0]));
    return none();
  }));
  t.push_back(method("getClipboard", {}, kStr,
                     [this](const Variant*) { return Variant::String(getClipboard()); }));
  t.push_back(method("rgex", {kStr, kStr, kBool}, kBool, [this](const Variant* a) {
    return Variant::Boolean(rgex(S(a[0]), S(a[1]), B(a[2])));
  }));
  t.push_back(method("stringField", {kI64}, kStr,
                     [this](const Variant* a) { return Variant::String(stringField(I(a[0]))); }));
  t.push_back(method("BitwiseOnesComplement", {kU64}, kU64, [this](const Variant* a) {
    return Variant::UInt64(BitwiseOnesComplement(U(a[0])));
  }));
  t.push_back(method("BitwiseShiftLeft", {kU64, kI64}, kU64, [this](const Variant* a) {
    return Variant::UInt64(BitwiseShiftLeft(U(a[0]), I(a[1])));
  }));
  t.push_back(method("BitwiseShiftRight", {kU64, kI64}, kU64, [this](const Variant* a) {
    return Variant::UInt64(BitwiseShiftRight(U(a[0]), I(a[1])));
  }));
  t.push_back(method("BitwiseShiftRightB", {kU64, kI64, kI64}, kU64, [this](const Variant* a) {
    return Variant::UInt64(BitwiseShiftRightB(U(a[0]), I(a[1]), I(a[2])));
  }));
  t.push_back(method("BitwiseShiftLeftB", {kU64, kI64, kI64}, kU64, [this](const Variant* a) {
    return Variant::UInt64(BitwiseShiftLeftB(U(a[0]), I(a[1]), I(a[2])));
  }));
}

// Dates and date formatting (23 to 43).
void ckGlue::addDateMethods(std::vector<ContextMethod>& t) {
  t.push_back(method("SQLDateTime", {kDbl}, kStr,
                     [this](const Variant* a) { return Variant::String(SQLDateTime(D(a[0]))); }));
  t.push_back(method("ShortTime", {kDbl}, kStr,
                     [this](const Variant* a) { return Variant::String(ShortTime(D(a[0]))); }));
  t.push_back(method("LongTime", {kDbl}, kStr,
                     [this](const Variant* a) { return Variant::String(LongTime(D(a[0]))); }));
  t.push_back(method("LongDate", {kDbl}, kStr,
                     [this](const Variant* a) { return Variant::String(LongDate(D(a[0]))); }));
  t.push_back(method("ShortDate", {kDbl}, kStr,
                     [this](const Variant* a) { return Variant::String(ShortDate(D(a[0]))); }));
  t.push_back(method("now", {}, kDbl, [this](const Variant*) { return Variant::Double(now()); }));
  t.push_back(method("time", {}, kDbl, [this](const Variant*) { return Variant::Double(time()); }));
  t.push_back(method("day", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(day(D(a[0]))); }));
  t.push_back(method("month", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(month(D(a[0]))); }));
  t.push_back(method("year", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(year(D(a[0]))); }));
  t.push_back(method("DayOfWeek", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(DayOfWeek(D(a[0]))); }));
  t.push_back(method("DayOfYear", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(DayOfYear(D(a[0]))); }));
  t.push_back(method("GMTOffset", {kDbl}, kDbl,
                     [this](const Variant* a) { return Variant::Double(GMTOffset(D(a[0]))); }));
  t.push_back(method("minute", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(minute(D(a[0]))); }));
  t.push_back(method("hour", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(hour(D(a[0]))); }));
  t.push_back(method("second", {kDbl}, kI64,
                     [this](const Variant* a) { return Variant::Int64(second(D(a[0]))); }));
  t.push_back(method("ParseDate", {kStr}, kDbl,
                     [this](const Variant* a) { return Variant::Double(ParseDate(S(a[0]))); }));
  t.push_back(method("date_IsLeapYear", {kI64}, kBool, [this](const Variant* a) {
    return Variant::Boolean(date_IsLeapYear(I(a[0])));
  }));
  t.push_back(method("date_mkCookieTime", {kDbl}, kStr, [this](const Variant* a) {
    return Variant::String(date_mkCookieTime(D(a[0])));
  }));
  t.push_back(method(
      "date_mktime", {kI64, kI64, kI64, kI64, kI64, kI64, kI64}, kDbl, [this](const Variant* a) {
        return Variant::Double(
            date_mktime(I(a[0]), I(a[1]), I(a[2]), I(a[3]), I(a[4]), I(a[5]), I(a[6])));
      }));
  t.push_back(method("date_formatDate", {kStr, kDbl}, kStr, [this](const Variant* a) {
    return Variant::String(date_formatDate(S(a[0]), D(a[1])));
  }));
}

// URL encoding, files, the lifecycle and the first view methods (44 to 53).
void ckGlue::addFileAndViewMethods(std::vector<ContextMethod>& t) {
  t.push_back(method("urlEncode", {kStr}, kStr,
                     [this](const Variant* a) { return Variant::String(urlEncode(S(a[0]))); }));
  t.push_back(method("readFile", {kStr}, kStr,
                     [this](const Variant* a) { return Variant::String(readFile(S(a[0]))); }));
  t.push_back(method("pathToFolderitem", {kStr}, kObj, [this](const Variant* a) {
    return Variant::Object(pathToFolderitem(S(a[0])));
  }));
  t.push_back(method("constructor", {}, kVoid, [this](const Variant*) {
    constructor();
    return none();
  }));
  t.push_back(method("ResetGlue", {}, kVoid, [this](const Variant*) {
    ResetGlue();
    return none();
  }));
  t.push_back(method("createView", {kI64, kI64}, kVoid, [this](const Variant* a) {
    createView(I(a[0]), I(a[1]));
    return none();
  }));
  t.push_back(method("showView", {}, kVoid, [this](const Variant*) {
    showView();
    return none();
  }));
  t.push_back(method("viewSetPenColor", {kI64, kI64, kI64}, kVoid, [this](const Variant* a) {
    viewSetPenColor(I(a[0]), I(a[1]), I(a[2]));
    return none();
  }));
  t.push_back(method("viewDrawPoint", {kI64, kI64}, kVoid, [this](const Variant* a) {
    viewDrawPoint(I(a[0]), I(a[1]));
    return none();
  }));
  t.push_back(method("viewSetPenSize", {kI64}, kVoid, [this](const Variant* a) {
    viewSetPenSize(I(a[0]));
    return none();
  }));
}

// The drawing functions, trunc and the later overloads (54 to 65).
void ckGlue::addDrawingAndOverloadMethods(std::vector<ContextMethod>& t) {
  t.push_back(
      method("viewDrawRectangle", {kI64, kI64, kI64, kI64}, kVoid, [this](const Variant* a) {
        viewDrawRectangle(I(a[0]), I(a[1]), I(a[2]), I(a[3]));
        return none();
      }));
  t.push_back(method("viewDrawOval", {kI64, kI64, kI64, kI64}, kVoid, [this](const Variant* a) {
    viewDrawOval(I(a[0]), I(a[1]), I(a[2]), I(a[3]));
    return none();
  }));
  t.push_back(
      method("viewFillRectangle", {kI64, kI64, kI64, kI64}, kVoid, [this](const Variant* a) {
        viewFillRectangle(I(a[0]), I(a[1]), I(a[2]), I(a[3]));
        return none();
      }));
  t.push_back(method("viewFillOval", {kI64, kI64, kI64, kI64}, kVoid, [this](const Variant* a) {
    viewFillOval(I(a[0]), I(a[1]), I(a[2]), I(a[3]));
    return none();
  }));
  t.push_back(method("viewDrawLine", {kI64, kI64, kI64, kI64}, kVoid, [this](const Variant* a) {
    viewDrawLine(I(a[0]), I(a[1]), I(a[2]), I(a[3]));
    return none();
  }));
  t.push_back(method("viewClear", {}, kVoid, [this](const Variant*) {
    viewClear();
    return none();
  }));
  t.push_back(method("trunc", {kDbl}, kDbl,
                     [this](const Variant* a) { return Variant::Double(trunc(D(a[0]))); }));
  t.push_back(
      direct(this, "setVar", {kStr, kI64}, [](void* g, const ContextArg* a, ContextResult&) {
        glueOf(g).setVar(*a[0].text, a[1].int64);
      }));
  t.push_back(
      direct(this, "setVar", {kStr, kStr}, [](void* g, const ContextArg* a, ContextResult&) {
        glueOf(g).setVar(*a[0].text, *a[1].text);
      }));
  t.push_back(direct(this, "printAny", {kStr}, [](void* g, const ContextArg* a, ContextResult&) {
    glueOf(g).printAny(*a[0].text);
  }));
  t.push_back(direct(this, "printAny", {kI64}, [](void* g, const ContextArg* a, ContextResult&) {
    glueOf(g).printAny(a[0].int64);
  }));
  t.push_back(direct(this, "printAny", {kDbl}, [](void* g, const ContextArg* a, ContextResult&) {
    glueOf(g).printAny(a[0].real);
  }));
}

}  // namespace vorline
