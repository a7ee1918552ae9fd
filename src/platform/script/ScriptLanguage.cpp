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

bool IsScriptReservedWord(std::string_view word) {
  for (std::string_view reserved : kReservedWords)
    if (TextEquals(word, reserved)) return true;
  return false;
}

}  // namespace vorline
