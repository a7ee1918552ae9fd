// Number constants by their 64-bit pattern, for the compiler's constant pools. Open addressing
// in one array: finding or adding a constant allocates nothing (until the table grows) and
// walks no bucket list, where a node-based hash map allocates a node per constant.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace vorline::script {

class BitsIndex {
 public:
  BitsIndex() { clear(); }

  // The value stored for bits, or nullptr.
  const uint32_t* find(uint64_t bits) const {
    const Slot& s = slots_[probe(bits)];
    return s.used ? &s.value : nullptr;
  }
  // The value stored for bits, storing value first when there is none; true when it was added.
  std::pair<uint32_t, bool> insert(uint64_t bits, uint32_t value) {
    Slot* s = &slots_[probe(bits)];
    if (s->used) return {s->value, false};
    if (2 * (count_ + 1) > slots_.size()) {
      grow();
      s = &slots_[probe(bits)];
    }
    *s = Slot{bits, value, true};
    ++count_;
    return {value, true};
  }
  size_t size() const { return count_; }
  void clear() {
    slots_.assign(kFirstSize, Slot{});
    count_ = 0;
  }

 private:
  struct Slot {
    uint64_t bits = 0;
    uint32_t value = 0;
    bool used = false;
  };
  static constexpr size_t kFirstSize = 16;  // a power of two, as every later size

  // The slot of bits, or the free slot where it would go.
  size_t probe(uint64_t bits) const {
    const size_t mask = slots_.size() - 1;
    size_t i = static_cast<size_t>(mix(bits)) & mask;
    while (slots_[i].used && slots_[i].bits != bits) i = (i + 1) & mask;
    return i;
  }
  // Spreads every bit of the pattern over the low bits (the finalizer of splitmix64): small
  // integers differ in their low bits, whole Doubles only in their high ones.
  static uint64_t mix(uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
  }
  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.size() * 2, Slot{});
    for (const Slot& s : old) {
      if (s.used) slots_[probe(s.bits)] = s;
    }
  }

  std::vector<Slot> slots_;
  size_t count_ = 0;
};

}  // namespace vorline::script
