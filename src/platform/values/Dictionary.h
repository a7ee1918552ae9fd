// The framework's Dictionary with String keys: letter case does not count in keys (the text
// operations' rule), entries keep the order in which their keys first arrived, and lookups take
// constant time however many entries there are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/values/Variant.h"

namespace vorline {

class Dictionary {
 public:
  int64_t Count() const { return static_cast<int64_t>(entries_.size()); }
  bool HasKey(std::string_view key) const;

  // The value under key; throws RuntimeException (KeyNotFound) when there is none.
  const Variant& Value(std::string_view key) const;
  // The value under key, or fallback when there is none.
  Variant Lookup(std::string_view key, const Variant& fallback) const;
  // Stores value under key, replacing any value; a new key goes to the end, an existing one
  // keeps its place and its first spelling.
  void SetValue(std::string_view key, Variant value);

  // Entries by index, 0 to Count() - 1; throws RuntimeException (OutOfBounds) outside.
  const std::string& Key(int64_t index) const { return entryAt(index).key; }
  const Variant& ValueAt(int64_t index) const { return entryAt(index).value; }
  // Sets the value of the entry at index, as SetValue of its key does, without looking it up.
  void SetValueAt(int64_t index, Variant value) {
    entryAt(index);  // throws outside the entries
    entries_[static_cast<size_t>(index)].value = std::move(value);
  }
  // The index of key's entry, or -1 when there is none.
  int64_t IndexOf(std::string_view key) const;

  // A question about a key whose answer depends on the key alone.
  using KeyTest = bool (*)(std::string_view key);
  // test's answer for the key of entry index. An entry keeps the answer of the test it was
  // asked last, since its key keeps its spelling as long as it lives; each entry is meant to
  // be asked one test throughout (the memory asks whether a name is kept).
  bool KeyPasses(int64_t index, KeyTest test) const;
  // SetValue when test passes for key; returns whether it passed. A new entry keeps the answer.
  bool SetValueWhere(std::string_view key, Variant value, KeyTest test);

  // Removes the entry of key; throws RuntimeException (KeyNotFound) when there is none.
  void Remove(std::string_view key);
  void Clear();

  // Whether a key stored since the last Clear held the byte (a removed key still counts), so
  // that a false answer rules the byte out of every key without walking them.
  bool KeyByteSeen(unsigned char byte) const { return keyBytes_[byte / 64] >> (byte % 64) & 1; }
  // The same for any byte beyond ASCII.
  bool NonAsciiKeyByteSeen() const { return (keyBytes_[2] | keyBytes_[3]) != 0; }

 private:
  struct Entry {
    std::string key;
    Variant value;
    mutable KeyTest testedWith = nullptr;  // the test whose answer `passes` keeps
    mutable bool passes = false;
  };
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const;
  };
  struct KeyEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };

  // Inline, since the memory's declarations walk every entry for every run.
  const Entry& entryAt(int64_t index) const {
    if (index < 0 || index >= Count()) throwOutOfBounds(index);
    return entries_[static_cast<size_t>(index)];
  }
  [[noreturn]] void throwOutOfBounds(int64_t index) const;
  // SetValue; returns the entry when the key is new, else null.
  Entry* store(std::string_view key, Variant value);

  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t, KeyHash, KeyEqual> index_;
  uint64_t keyBytes_[4] = {};  // one bit per byte value held by a stored key
};

}  // namespace vorline
