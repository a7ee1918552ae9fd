// What callers of the engine may know of its language: the reserved words, which no variable
// may be named, and the fixed limits of what a declaration may hold.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorline {

// True when word is one of the script's reserved words, letter case not counting. Words that
// are keywords only inside their statements ("to", "step") are names elsewhere.
bool IsScriptReservedWord(std::string_view word);

// Dimensions an array may have.
inline constexpr int kScriptMaxDimensions = 8;
// Script-wide variables of one kind (numbers, strings, ...) that a script may declare.
inline constexpr int64_t kScriptMaxVariables = 1 << 20;
// Bytes of source text that the engine compiles.
inline constexpr int64_t kScriptMaxSourceBytes = 64ll * 1024 * 1024;

}  // namespace vorline
