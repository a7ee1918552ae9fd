#include "platform/script/SymbolTable.h"

#include <array>
#include <bit>

#include "platform/text/TextOps.h"

namespace vorline::script {

namespace {

// A name's last word is cut at the name's end by keeping its low bytes, its first ones.
static_assert(std::endian::native == std::endian::little);

constexpr size_t kFirstSlots = 128;
// Names of up to this many words, nearly all names, are keyed on the stack.
constexpr size_t kStackWords = 8;

constexpr const char* kReservedWords[] = {
#define VORLINE_KW_TEXT(name, text) text,
    VORLINE_SCRIPT_KEYWORDS(VORLINE_KW_TEXT) VORLINE_SCRIPT_CONTEXT_WORDS(VORLINE_KW_TEXT)
#undef VORLINE_KW_TEXT
};

bool isAscii(std::string_view s) {
  unsigned char bits = 0;
  for (char c : s) bits |= static_cast<unsigned char>(c);
  return bits < 0x80;
}

size_t wordCount(size_t size) {
  return (size + SymbolTable::kWordBytes - 1) / SymbolTable::kWordBytes;
}

int slotShiftFor(size_t slots) { return 32 - std::countr_zero(slots); }

}  // namespace

std::string lowerName(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80) return Lowercase(name);
    if (u >= 'A' && u <= 'Z') c = static_cast<char>(u + 32);
  }
  return out;
}

SymbolTable::SymbolTable()
    : slots_(kFirstSlots, 0), slotMask_(kFirstSlots - 1), slotShift_(slotShiftFor(kFirstSlots)) {
  for (const char* w : kReservedWords) intern(w, w);
}

uint32_t SymbolTable::hashWords(const uint64_t* words, size_t size) {
  uint64_t h = size;
  for (size_t k = 0, n = wordCount(size); k < n; ++k) h = mixWord(h, words[k]);
  return static_cast<uint32_t>(h >> 32);
}

// Calls use with the bytes in zero-padded words: on the stack for the names of every day.
template <class Use>
auto SymbolTable::withWords(std::string_view bytes, Use use) {
  const size_t count = wordCount(bytes.size());
  if (count <= kStackWords) {
    std::array<uint64_t, kStackWords> words{};
    if (count > 0) std::memcpy(words.data(), bytes.data(), bytes.size());
    return use(words.data());
  }
  std::vector<uint64_t> words(count, 0);
  std::memcpy(words.data(), bytes.data(), bytes.size());
  return use(words.data());
}

uint32_t SymbolTable::hashName(std::string_view lowerName) {
  return withWords(lowerName,
                   [&](const uint64_t* words) { return hashWords(words, lowerName.size()); });
}

Sym SymbolTable::intern(std::string_view lower, std::string_view spelling) {
  return withWords(lower, [&](const uint64_t* words) {
    const auto size = static_cast<uint32_t>(lower.size());
    return intern(Key{words, size, hashWords(words, size)}, spelling);
  });
}

Sym SymbolTable::intern(std::string_view lower, uint32_t hash, std::string_view spelling) {
  return withWords(lower, [&](const uint64_t* words) {
    return intern(Key{words, static_cast<uint32_t>(lower.size()), hash}, spelling);
  });
}

Sym SymbolTable::intern(std::string_view name) {
  if (!isAscii(name)) return intern(lowerName(name), name);
  if (!name.empty() && name.size() <= kWordBytes) {
    uint64_t word = 0;
    std::memcpy(&word, name.data(), name.size());
    return internWord(lowerAsciiWord(word), name);
  }
  return withWords(name, [&](uint64_t* words) {
    return intern(asciiKey(reinterpret_cast<const char*>(words), name.size(), words), name);
  });
}

// The name read a word at a time, the last word cut at the name's end (its first bytes are the
// low ones), lower-cased and hashed in the same pass.
SymbolTable::Key SymbolTable::asciiKey(const char* bytes, size_t size, uint64_t* words) {
  const size_t n = wordCount(size);
  uint64_t h = size;
  for (size_t k = 0; k < n; ++k) {
    uint64_t w;
    std::memcpy(&w, bytes + k * kWordBytes, kWordBytes);
    if (k + 1 == n) w &= ~uint64_t{0} >> (8 * (n * kWordBytes - size));
    words[k] = lowerAsciiWord(w);
    h = mixWord(h, words[k]);
  }
  return Key{words, static_cast<uint32_t>(size), static_cast<uint32_t>(h >> 32)};
}

Sym SymbolTable::internAsciiWords(std::string_view name) {
  if (name.size() > kStackWords * kWordBytes) return intern(name);
  uint64_t words[kStackWords];
  return intern(asciiKey(name.data(), name.size(), words), name);
}

Sym SymbolTable::intern(const Key& key, std::string_view spelling) {
  const size_t slot = slotOf(key);
  return slots_[slot] != 0 ? slots_[slot] - 1 : add(key, spelling, slot);
}

// The slot holding the key's name, or else the free slot where it goes.
size_t SymbolTable::slotOf(const Key& key) const {
  size_t i = key.hash >> slotShift_;
  while (slots_[i] != 0 && !matches(entries_[slots_[i] - 1], key)) i = (i + 1) & slotMask_;
  return i;
}

bool SymbolTable::matches(const Entry& e, const Key& key) const {
  if (e.hash != key.hash || e.size != key.size) return false;
  const uint64_t* words = words_.data() + e.firstWord;
  for (size_t k = 0, n = wordCount(key.size); k < n; ++k)
    if (words[k] != key.words[k]) return false;
  return true;
}

Sym SymbolTable::add(const Key& key, std::string_view spelling, size_t slot) {
  const auto id = static_cast<Sym>(entries_.size());
  entries_.push_back(Entry{
      key.size > 0 ? key.words[0] : 0, key.hash, key.size, static_cast<uint32_t>(words_.size()),
      static_cast<uint32_t>(spellings_.size()), static_cast<uint32_t>(spelling.size())});
  for (size_t k = 0, n = wordCount(key.size); k < n; ++k) words_.push_back(key.words[k]);
  spellings_.append(spelling);
  slots_[slot] = id + 1;
  if (entries_.size() * 2 > slots_.size()) grow();
  return id;
}

// Doubles the slots and places every id again; the table stays at most half full.
void SymbolTable::grow() {
  slots_.assign(slots_.size() * 2, 0);
  slotMask_ = slots_.size() - 1;
  slotShift_ = slotShiftFor(slots_.size());
  for (Sym s = 0; s < entries_.size(); ++s) {
    size_t i = entries_[s].hash >> slotShift_;
    while (slots_[i] != 0) i = (i + 1) & slotMask_;
    slots_[i] = s + 1;
  }
}

size_t SymbolTable::textsAt(Sym s) const {
  const Entry& e = entries_[s];
  if (e.texts == 0) {
    e.texts = static_cast<uint32_t>(texts_.size()) + 1;
    texts_.emplace_back(reinterpret_cast<const char*>(words_.data() + e.firstWord), e.size);
    texts_.emplace_back(spellings_, e.spellingAt, e.spellingSize);
  }
  return e.texts - 1;
}

}  // namespace vorline::script
