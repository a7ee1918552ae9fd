// Names of a script, interned: each name once, lower-cased, since case never counts in the
// language. The reserved words and the context words come first, as symbols 0 ...
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vorline::script {

// Reserved words, in the order of their symbol ids (0 ..).
// clang-format off
#define VORLINE_SCRIPT_KEYWORDS(X)                                                            \
  X(And, "and") X(As, "as") X(Case, "case") X(Const, "const") X(Continue, "continue")         \
  X(Dim, "dim") X(Do, "do") X(Each, "each") X(Else, "else") X(ElseIf, "elseif")               \
  X(End, "end") X(Exit, "exit") X(False, "false") X(For, "for") X(Function, "function")       \
  X(If, "if") X(Loop, "loop") X(Mod, "mod") X(Next, "next") X(Nil, "nil") X(Not, "not")       \
  X(Or, "or") X(Print, "print") X(Redim, "redim") X(Return, "return") X(Select, "select")     \
  X(Sub, "sub") X(Then, "then") X(True, "true") X(Var, "var") X(Wend, "wend")                 \
  X(While, "while") X(Xor, "xor")
// clang-format on

// Words that are keywords only where the grammar expects them; their symbol ids follow the
// reserved words.
#define VORLINE_SCRIPT_CONTEXT_WORDS(X) \
  X(To, "to") X(Step, "step") X(Downto, "downto") X(In, "in") X(Is, "is") X(Until, "until")

using Sym = uint32_t;

enum : Sym {
#define VORLINE_SYM_KW(name, text) kSym##name,
  VORLINE_SCRIPT_KEYWORDS(VORLINE_SYM_KW) VORLINE_SCRIPT_CONTEXT_WORDS(VORLINE_SYM_KW)
#undef VORLINE_SYM_KW
      kSymFirstFree
};
inline constexpr Sym kSymFirstContextWord = kSymTo;

// Interned lower-case names; the first spelling seen of each is kept for messages.
//
// The lower-case bytes of every name lie in one array of 8-byte words, each name zero-padded to
// a whole word, so that finding a name compares a hash, a length and a word or two, and adding
// one allocates nothing but the arrays' growth. std::string copies are made only of the names
// that are asked for by lower() or spelling(), which messages and a few lookups need.
class SymbolTable {
 public:
  static constexpr size_t kWordBytes = sizeof(uint64_t);

  SymbolTable();
  Sym intern(std::string_view lowerName, std::string_view spelling);
  Sym intern(std::string_view name);  // lower-cases first
  // A lower-case name whose hashName is known.
  Sym intern(std::string_view lowerName, uint32_t hash, std::string_view spelling);
  // An ASCII name whose bytes may be read on up to a whole number of words from its start (the
  // lexer reads names only where a word's bytes follow them); nearly every name comes this way.
  Sym internAscii(std::string_view name);
  const std::string& spelling(Sym s) const { return texts_[textsAt(s) + 1]; }
  const std::string& lower(Sym s) const { return texts_[textsAt(s)]; }
  bool isReserved(Sym s) const { return s < kSymFirstContextWord; }
  static uint32_t hashName(std::string_view lowerName);

 private:
  // A lower-case name as the table compares it: its bytes in words (the first byte lowest),
  // zero past its end.
  struct Key {
    const uint64_t* words;
    uint32_t size;  // in bytes
    uint32_t hash;  // hashWords(words, size)
  };
  struct Entry {
    uint64_t head;  // the first word, the whole name for most names
    uint32_t hash;
    uint32_t size;
    uint32_t firstWord;  // in words_
    uint32_t spellingAt;
    uint32_t spellingSize;
    mutable uint32_t texts = 0;  // once asked for: 1 + index of the lower-case copy in texts_
  };

  static uint64_t mixWord(uint64_t h, uint64_t w);
  static uint32_t hashWords(const uint64_t* words, size_t size);
  static Key asciiKey(const char* bytes, size_t size, uint64_t* words);
  template <class Use>
  static auto withWords(std::string_view bytes, Use use);
  Sym internAsciiWords(std::string_view name);
  // A lower-case ASCII name of one word, whose spelling has its size.
  Sym internWord(uint64_t word, std::string_view spelling);
  Sym intern(const Key& key, std::string_view spelling);
  size_t slotOf(const Key& key) const;
  bool matches(const Entry& e, const Key& key) const;
  Sym add(const Key& key, std::string_view spelling, size_t slot);
  void grow();
  // Where the lower-case name of s is in texts_, its spelling next; made on first use.
  size_t textsAt(Sym s) const;

  // Open addressing over the symbol ids (id + 1; 0 is a free slot), at most half full. A name's
  // first slot is given by the high bits of its hash, which depend on all of its bytes.
  std::vector<uint32_t> slots_;
  size_t slotMask_ = 0;  // the number of slots less one
  int slotShift_ = 0;    // 32 less log2 of the number of slots
  std::vector<Entry> entries_;
  std::vector<uint64_t> words_;
  std::string spellings_;  // every spelling, back to back
  // Lower-case name then spelling, per symbol asked for; a deque, so references handed out stay
  // valid as more are added.
  mutable std::deque<std::string> texts_;
};

// Lower-cases a name as the language compares names (ASCII fast path, Unicode otherwise).
std::string lowerName(std::string_view name);

// Upper-case letters to lower case in all eight bytes of w at once. Every byte must be below 0x80,
// so adding to one never carries into the next; the high bit of each sum tells the byte's range.
inline uint64_t lowerAsciiWord(uint64_t w) {
  constexpr uint64_t kEachByte = 0x0101010101010101ull;
  const uint64_t atLeastA = w + (0x80 - 'A') * kEachByte;
  const uint64_t aboveZ = w + (0x80 - 'Z' - 1) * kEachByte;
  const uint64_t upper = atLeastA & ~aboveZ & (0x80 * kEachByte);
  return w | (upper >> 2);  // 0x80 >> 2 is the case bit, 0x20
}

// Finding a name of one word is inline: the lexer looks up every name of a script.

// A multiplication moves each bit of the word only upwards, so the high bits of the hash, which
// pick the slot, depend on every byte.
inline uint64_t SymbolTable::mixWord(uint64_t h, uint64_t w) {
  constexpr uint64_t kMix = 0x9E3779B97F4A7C15ull;  // 2^64 over the golden ratio, odd
  return (h ^ w) * kMix;
}

inline Sym SymbolTable::internAscii(std::string_view name) {
  const size_t size = name.size();
  if (size == 0 || size > kWordBytes) return internAsciiWords(name);
  uint64_t word;
  std::memcpy(&word, name.data(), kWordBytes);
  // The first bytes of the name are the low ones of the word.
  return internWord(lowerAsciiWord(word & (~uint64_t{0} >> (8 * (kWordBytes - size)))), name);
}

// A name of one word is equal to an entry of the same size whose first word is equal.
inline Sym SymbolTable::internWord(uint64_t word, std::string_view spelling) {
  const size_t size = spelling.size();
  const auto hash = static_cast<uint32_t>(mixWord(size, word) >> 32);
  for (size_t i = hash >> slotShift_;; i = (i + 1) & slotMask_) {
    const uint32_t slot = slots_[i];
    if (slot == 0) return add(Key{&word, static_cast<uint32_t>(size), hash}, spelling, i);
    const Entry& e = entries_[slot - 1];
    if (e.head == word && e.size == size) return slot - 1;
  }
}

}  // namespace vorline::script
