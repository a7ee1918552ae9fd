// The design of a window or a control: named values in a fixed order, applied once when the
// object is set up. encode() gives the block's byte form (name, a blank, the value by its type),
// so a design table can be checked against its known size.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/values/Color.h"

namespace vorline {

// An enumerated design value, stored in one byte (a text unit, an alignment).
struct EnumValue {
  uint8_t value = 0;
  friend constexpr bool operator==(const EnumValue&, const EnumValue&) = default;
};

// One design value. The alternatives are the design's types: Int64, Boolean, String, Single,
// Double, Color and enumeration.
using DesignValue = std::variant<int64_t, bool, std::string, float, double, Color, EnumValue>;

struct DesignEntry {
  std::string name;
  DesignValue value;
};

class PropertyBlock {
 public:
  PropertyBlock() = default;
  PropertyBlock(std::initializer_list<DesignEntry> entries) : entries_(entries) {}

  const std::vector<DesignEntry>& entries() const { return entries_; }
  void add(std::string name, DesignValue value) {
    entries_.push_back({std::move(name), std::move(value)});
  }
  // The value of the last entry of that name, or nullptr.
  const DesignValue* find(std::string_view name) const;

  // The byte form: for each entry its ASCII name, one blank and the value (Int64 and Double 8
  // bytes, Single 4, Boolean and enumeration 1, Color 4 as blue, green, red, alpha, String a
  // 4-byte length and its UTF-8 bytes), all little-endian, with no count or separator.
  std::string encode() const;

 private:
  std::vector<DesignEntry> entries_;
};

// Reads a design value as a given type; the fallback when it holds another type.
int64_t designInt(const DesignValue& value, int64_t fallback = 0);
bool designBool(const DesignValue& value, bool fallback = false);
std::string designString(const DesignValue& value);
double designNumber(const DesignValue& value, double fallback = 0);  // Int64, Single or Double
Color designColor(const DesignValue& value, Color fallback = {});

}  // namespace vorline
