#include "platform/script/ScriptLanguage.h"

#include <array>

#include "platform/script/Lexer.h"
#include "platform/script/Limits.h"
#include "platform/text/TextOps.h"

namespace vorline {
namespace {

constexpr std::array kReservedWords = {
#define VORLINE_RESERVED_TEXT(name, text) std::string_view(text),
    VORLINE_SCRIPT_KEYWORDS(VORLINE_RESERVED_TEXT)
#undef VORLINE_RESERVED_TEXT
};

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
  char lower[kLongest];
  for (size_t i = 0; i < word.size(); ++i)
    lower[i] = word[i] >= 'A' && word[i] <= 'Z' ? static_cast<char>(word[i] + 32) : word[i];
  const std::string_view folded(lower, word.size());
  for (std::string_view reserved : kReservedWords)
    if (folded == reserved) return true;
  return false;
}

}  // namespace vorline
