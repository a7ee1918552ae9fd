#include "platform/script/Types.h"

namespace vorline::script {

namespace {

const char* baseName(BaseType b) {
  switch (b) {
    case BaseType::Void:
      return "nothing";
    case BaseType::Nil:
      return "Nil";
    case BaseType::Boolean:
      return "Boolean";
    case BaseType::Integer:
      return "Integer";
    case BaseType::Int64:
      return "Int64";
    case BaseType::Int32:
      return "Int32";
    case BaseType::Int16:
      return "Int16";
    case BaseType::Int8:
      return "Int8";
    case BaseType::UInt64:
      return "UInt64";
    case BaseType::UInt32:
      return "UInt32";
    case BaseType::UInt16:
      return "UInt16";
    case BaseType::UInt8:
      return "UInt8";
    case BaseType::Double:
      return "Double";
    case BaseType::Single:
      return "Single";
    case BaseType::String:
      return "String";
    case BaseType::Variant:
      return "Variant";
    case BaseType::Object:
      return "Object";
  }
  return "?";
}

}  // namespace

std::string typeName(Type t) {
  std::string s = baseName(t.base);
  if (t.isArray()) {
    s += "(";
    for (int i = 1; i < t.dims; ++i) s += ",";
    s += ")";
  }
  return s;
}

Type fromScriptType(ScriptType t) {
  switch (t) {
    case ScriptType::Void:
      return Type(BaseType::Void);
    case ScriptType::String:
      return Type(BaseType::String);
    case ScriptType::Integer:
      return Type(BaseType::Integer);
    case ScriptType::Int64:
      return Type(BaseType::Int64);
    case ScriptType::UInt64:
      return Type(BaseType::UInt64);
    case ScriptType::Double:
      return Type(BaseType::Double);
    case ScriptType::Single:
      return Type(BaseType::Single);
    case ScriptType::Boolean:
      return Type(BaseType::Boolean);
    case ScriptType::Variant:
      return Type(BaseType::Variant);
    case ScriptType::Object:
      return Type(BaseType::Object);
  }
  return Type(BaseType::Void);
}

int integerBits(BaseType b) {
  switch (b) {
    case BaseType::Int32:
    case BaseType::UInt32:
      return 32;
    case BaseType::Int16:
    case BaseType::UInt16:
      return 16;
    case BaseType::Int8:
    case BaseType::UInt8:
      return 8;
    default:
      return 64;
  }
}

int64_t wrapToWidth(BaseType b, int64_t v) {
  switch (b) {
    case BaseType::Int32:
      return static_cast<int32_t>(v);
    case BaseType::Int16:
      return static_cast<int16_t>(v);
    case BaseType::Int8:
      return static_cast<int8_t>(v);
    case BaseType::UInt32:
      return static_cast<uint32_t>(v);
    case BaseType::UInt16:
      return static_cast<uint16_t>(v);
    case BaseType::UInt8:
      return static_cast<uint8_t>(v);
    default:
      return v;
  }
}

}  // namespace vorline::script
