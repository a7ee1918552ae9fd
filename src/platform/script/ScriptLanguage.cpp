#include "platform/script/ScriptLanguage.h"

#include <array>
#include <cstdint>

#include "platform/script/Limits.h"
#include "platform/script/SymbolTable.h"
#include "platform/text/TextOps.h"

namespace vorline {
namespace {

constexpr std::array kReservedWords = {
#define VORLINE_RESERVED_TEXT(name, text) std::string_view(text),
    VORLINE_SCRIPT_KEYWORDS(VORLINE_RESERVED_TEXT)
#undef VORLINE_RESERVED_TEXT
};

// Each word's bytes packed into one number (first byte lowest), so a lookup compares numbers.
constexpr uint64_t packed(std::string_view word) {
  uint64_t value = 0;
  for (size_t i = 0; i < word.size(); ++i)
    value |= static_cast<uint64_t>(static_cast<unsigned char>(word[i])) << (8 * i);
  return value;
}

constexpr auto kPackedReservedWords = [] {
  std::array<uint64_t, kReservedWords.size()> out{};
  for (size_t i = 0; i < kReservedWords.size(); ++i) out[i] = packed(kReservedWords[i]);
  return out;
}();

static_assert(kScriptMaxDimensions == script::kMaxDimensions);

}  // namespace

// Every memory name is asked about on every run, so ASCII words (nearly all of them) compare
// lower-cased bytes; others go through the letter-case rules of the text operations.
bool IsScriptReservedWord(std::string_view word) {
  constexpr size_t kLongest = 8;
  bool ascii = true;
  for (char c : word) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!ascii) {
    for (std::string_view reserved : kReservedWords)
      if (TextEquals(word, reserved)) return true;
    return false;
  }
  if (word.size() < 2 || word.size() > kLongest) return false;
  uint64_t folded = 0;
  for (size_t i = 0; i < word.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(word[i]);
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
    folded |= static_cast<uint64_t>(c) << (8 * i);
  }
  for (uint64_t reserved : kPackedReservedWords)
    if (folded == reserved) return true;
  return false;
}

}  // namespace vorline
