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

// A word's bytes packed into one number, the first byte lowest, so a lookup compares numbers.
constexpr uint64_t packed(std::string_view word) {
  uint64_t value = 0;
  for (size_t i = word.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(word[i]);
  return value;
}

// The packed reserved words in 64 slots, probed in turn from the slot that a multiplicative hash
// of the packed word picks; a free slot (0) ends the probe.
constexpr int kSlotBits = 6;
static_assert(kReservedWords.size() * 3 / 2 < size_t{1} << kSlotBits);

constexpr size_t firstSlot(uint64_t packedWord) {
  return static_cast<size_t>((packedWord * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
}

constexpr auto kReservedSlots = [] {
  std::array<uint64_t, size_t{1} << kSlotBits> slots{};
  for (std::string_view word : kReservedWords) {
    size_t i = firstSlot(packed(word));
    while (slots[i] != 0) i = (i + 1) % slots.size();
    slots[i] = packed(word);
  }
  return slots;
}();

bool isPackedReservedWord(uint64_t packedWord) {
  for (size_t i = firstSlot(packedWord); kReservedSlots[i] != 0;
       i = (i + 1) % kReservedSlots.size())
    if (kReservedSlots[i] == packedWord) return true;
  return false;
}

// Non-ASCII words, compared by the letter-case rules of the text operations.
bool isReservedUnicodeWord(std::string_view word) {
  unsigned char bits = 0;
  for (char c : word) bits |= static_cast<unsigned char>(c);
  if (bits < 0x80) return false;
  for (std::string_view reserved : kReservedWords)
    if (TextEquals(word, reserved)) return true;
  return false;
}

static_assert(kScriptMaxDimensions == script::kMaxDimensions);
static_assert(kScriptMaxVariables == script::kMaxRegisters);
static_assert(kScriptMaxSourceBytes == script::kMaxSourceBytes);

}  // namespace

// Every memory name is asked about on every run, so ASCII words (nearly all of them) are packed
// into a number, lower-cased and looked for in a table.
bool IsScriptReservedWord(std::string_view word) {
  constexpr size_t kLongest = 8;
  constexpr uint64_t kHighBits = 0x8080808080808080ull;
  if (word.size() >= 2 && word.size() <= kLongest) {
    const uint64_t bytes = packed(word);
    if ((bytes & kHighBits) == 0) return isPackedReservedWord(script::lowerAsciiWord(bytes));
  }
  return isReservedUnicodeWord(word);
}

}  // namespace vorline
