#include "platform/values/Dictionary.h"

#include <QChar>
#include <algorithm>
#include <iterator>

#include "platform/text/TextOps.h"
#include "platform/values/KeyNotFoundException.h"
#include "platform/values/OutOfBoundsException.h"

namespace vorline {
namespace {

// Decodes the code point of a multi-byte sequence at s[i]; a byte that does not start valid
// UTF-8 comes back as itself with bit 31 set, so it hashes apart from every character.
char32_t nextCodePoint(std::string_view s, size_t& i) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  size_t extra = (b >= 0xC2 && b <= 0xDF)   ? 1
                 : (b >= 0xE0 && b <= 0xEF) ? 2
                 : (b >= 0xF0 && b <= 0xF4) ? 3
                                            : 0;
  char32_t invalid = 0x80000000u | b;
  if (extra == 0 || i + extra >= s.size()) {
    ++i;
    return invalid;
  }
  char32_t cp = b & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    unsigned char c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return invalid;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return invalid;
  }
  i += extra + 1;
  return cp;
}

}  // namespace

// FNV-1a over the simply case-folded code points, so keys that compare equal hash equal.
size_t Dictionary::KeyHash::operator()(std::string_view key) const {
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < key.size();) {
    char32_t cp;
    unsigned char b = static_cast<unsigned char>(key[i]);
    if (b < 0x80) {
      cp = (b >= 'A' && b <= 'Z') ? b + 32 : b;
      ++i;
    } else {
      cp = nextCodePoint(key, i);
      if (!(cp & 0x80000000u)) cp = QChar::toCaseFolded(cp);
    }
    h = (h ^ cp) * 1099511628211ull;
  }
  return static_cast<size_t>(h);
}

// Most lookups spell a key as it was stored, so equal bytes are settled without folding.
bool Dictionary::KeyEqual::operator()(std::string_view a, std::string_view b) const {
  return a == b || TextEquals(a, b);
}

bool Dictionary::HasKey(std::string_view key) const { return index_.find(key) != index_.end(); }

const Variant& Dictionary::Value(std::string_view key) const {
  auto it = index_.find(key);
  if (it == index_.end()) throw KeyNotFoundException(key);
  return entries_[it->second].value;
}

Variant Dictionary::Lookup(std::string_view key, const Variant& fallback) const {
  auto it = index_.find(key);
  return it == index_.end() ? fallback : entries_[it->second].value;
}

void Dictionary::SetValue(std::string_view key, Variant value) { store(key, std::move(value)); }

Dictionary::Entry* Dictionary::store(std::string_view key, Variant value) {
  auto it = index_.find(key);
  if (it != index_.end()) {
    entries_[it->second].value = std::move(value);
    return nullptr;
  }
  entries_.push_back({std::string(key), std::move(value)});
  index_.emplace(std::string(key), entries_.size() - 1);
  for (const char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    keyBytes_[byte / 64] |= uint64_t{1} << (byte % 64);
  }
  return &entries_.back();
}

bool Dictionary::SetValueWhere(std::string_view key, Variant value, KeyTest test) {
  if (!test(key)) return false;
  if (Entry* fresh = store(key, std::move(value))) {
    fresh->testedWith = test;
    fresh->passes = true;
  }
  return true;
}

void Dictionary::throwOutOfBounds(int64_t index) const {
  throw OutOfBoundsException(index, Count());
}

int64_t Dictionary::IndexOf(std::string_view key) const {
  auto it = index_.find(key);
  return it == index_.end() ? -1 : static_cast<int64_t>(it->second);
}

bool Dictionary::KeyPasses(int64_t index, KeyTest test) const {
  const Entry& entry = entryAt(index);
  if (entry.testedWith != test) {
    entry.passes = test(entry.key);
    entry.testedWith = test;
  }
  return entry.passes;
}

// Removes one entry; the entries after it move up one place.
void Dictionary::Remove(std::string_view key) {
  auto it = index_.find(key);
  if (it == index_.end()) throw KeyNotFoundException(key);
  size_t at = it->second;
  index_.erase(it);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
  for (auto& [name, position] : index_)
    if (position > at) --position;
}

void Dictionary::Clear() {
  entries_.clear();
  index_.clear();
  std::fill(std::begin(keyBytes_), std::end(keyBytes_), 0);
}

}  // namespace vorline
