#include "platform/ui/PropertyBlock.h"

#include <cstring>
#include <type_traits>

namespace vorline {
namespace {

template <class T>
void appendLittleEndian(std::string& out, T value) {
  using U = std::conditional_t<sizeof(T) == 8, uint64_t, uint32_t>;
  U bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (std::size_t i = 0; i < sizeof bits; ++i)
    out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

// Appends one value in its design encoding.
void appendValue(std::string& out, const DesignValue& value) {
  std::visit(
      [&out](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, int64_t> || std::is_same_v<V, double> ||
                      std::is_same_v<V, float>) {
          appendLittleEndian(out, v);
        } else if constexpr (std::is_same_v<V, bool>) {
          out.push_back(v ? '\1' : '\0');
        } else if constexpr (std::is_same_v<V, std::string>) {
          appendLittleEndian(out, static_cast<uint32_t>(v.size()));
          out += v;
        } else if constexpr (std::is_same_v<V, Color>) {
          out.push_back(static_cast<char>(v.Blue));
          out.push_back(static_cast<char>(v.Green));
          out.push_back(static_cast<char>(v.Red));
          out.push_back(static_cast<char>(v.Alpha));
        } else {
          out.push_back(static_cast<char>(v.value));
        }
      },
      value);
}

}  // namespace

const DesignValue* PropertyBlock::find(std::string_view name) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
    if (it->name == name) return &it->value;
  return nullptr;
}

std::string PropertyBlock::encode() const {
  std::string out;
  for (const DesignEntry& entry : entries_) {
    out += entry.name;
    out.push_back(' ');
    appendValue(out, entry.value);
  }
  return out;
}

int64_t designInt(const DesignValue& value, int64_t fallback) {
  if (const auto* v = std::get_if<int64_t>(&value)) return *v;
  if (const auto* e = std::get_if<EnumValue>(&value)) return e->value;
  return fallback;
}

bool designBool(const DesignValue& value, bool fallback) {
  const auto* v = std::get_if<bool>(&value);
  return v ? *v : fallback;
}

std::string designString(const DesignValue& value) {
  const auto* v = std::get_if<std::string>(&value);
  return v ? *v : std::string();
}

double designNumber(const DesignValue& value, double fallback) {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* f = std::get_if<float>(&value)) return *f;
  if (const auto* i = std::get_if<int64_t>(&value)) return static_cast<double>(*i);
  return fallback;
}

Color designColor(const DesignValue& value, Color fallback) {
  const auto* v = std::get_if<Color>(&value);
  return v ? *v : fallback;
}

}  // namespace vorline
