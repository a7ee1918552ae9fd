// A String value of the VM: a shared, reference-counted buffer, so that assigning, passing,
// returning and storing a String copies a pointer. A change to a shared buffer copies it
// first, so Strings stay values: changing one never changes another. The buffer charges what
// it allocates to the run's MemoryBudget once, however many values share it, and keeps its
// length in characters once counted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/script/MemoryBudget.h"

namespace vorline::script {

class ScriptString {
 public:
  ScriptString() = default;
  ScriptString(const ScriptString& other) : buf_(other.buf_) {
    if (buf_) ++buf_->refs;
  }
  ScriptString(ScriptString&& other) noexcept : buf_(std::exchange(other.buf_, nullptr)) {}
  ScriptString& operator=(const ScriptString& other) {
    if (other.buf_) ++other.buf_->refs;
    release();
    buf_ = other.buf_;
    return *this;
  }
  ScriptString& operator=(ScriptString&& other) noexcept {
    if (this != &other) {
      release();
      buf_ = std::exchange(other.buf_, nullptr);
    }
    return *this;
  }
  ~ScriptString() { release(); }

  static ScriptString make(std::string text, MemoryBudget* budget);
  class Constants;

  const std::string& str() const { return buf_ ? buf_->text : empty(); }
  std::string_view view() const { return buf_ ? std::string_view(buf_->text) : std::string_view(); }
  size_t size() const { return buf_ ? buf_->text.size() : 0; }
  bool isEmpty() const { return size() == 0; }
  // Characters (code points), counted once per buffer.
  int64_t length() const;
  // Held by more than one value, or large: worth dropping when a frame ends.
  bool worthReleasing() const { return buf_ && (buf_->refs > 1 || buf_->text.capacity() > 256); }

  // The new text, in this value's own buffer when no other value shares it.
  void assign(std::string&& text, MemoryBudget* budget) {
    if (!unique()) return assignNew(std::move(text), budget);
    buf_->text = std::move(text);
    changed();
  }
  // A copy of text, which lies outside every String, written into this value's own buffer
  // when no other value shares it; its length in characters when the caller knows it.
  void assignCopy(std::string_view text, MemoryBudget* budget, int64_t length = -1) {
    if (!unique()) return assignNew(std::string(text), budget, length);
    buf_->text.assign(text.data(), text.size());
    changed(length);
  }
  // l + r; either may be this value.
  void assignConcat(const ScriptString& l, const ScriptString& r, MemoryBudget* budget);
  // Appends in place when no other value shares the buffer; more may be this value.
  void append(const ScriptString& more, MemoryBudget* budget) {
    size_t n = more.size();
    // The common case: nobody shares the buffer and it has room; a length kept stays kept.
    if (n != 0 && unique() && buf_->text.capacity() - buf_->text.size() >= n) {
      if (buf_->length >= 0) buf_->length = sumOfLengths(buf_->length, more.knownLength());
      buf_->text.append(more.buf_->text.data(), n);
      return;
    }
    appendSlowly(more, budget);
  }
  void clear();
  void reset() { release(); }
  void swap(ScriptString& other) noexcept { std::swap(buf_, other.buf_); }

 private:
  struct Buffer {
    uint64_t refs = 1;
    int64_t length = -1;  // characters; -1 until counted
    uint64_t charged = 0;
    MemoryBudget* budget = nullptr;
    std::string text;
  };

  static const std::string& empty();
  // The buffer's allocation: its header, and the text's storage when it is not held inline.
  static uint64_t footprint(const Buffer& b) {
    size_t capacity = b.text.capacity();
    return sizeof(Buffer) + (capacity > kInlineCapacity ? capacity + 1 : 0);
  }
  static constexpr size_t kInlineCapacity = 15;
  bool unique() const { return buf_ && buf_->refs == 1; }
  // The length when it is known or cheap to count, else -1.
  int64_t knownLength() const;
  static int64_t sumOfLengths(int64_t a, int64_t b) { return a < 0 || b < 0 ? -1 : a + b; }
  // After the text changed: its length (-1: unknown), and a charge of what it holds now.
  void changed(int64_t length = -1) {
    buf_->length = length;
    uint64_t now = footprint(*buf_);
    if (now != buf_->charged) recharge(now);
  }
  void recharge(uint64_t now);
  void assignNew(std::string text, MemoryBudget* budget, int64_t length = -1);
  void appendSlowly(const ScriptString& more, MemoryBudget* budget);
  void release() {
    if (buf_ && --buf_->refs == 0) destroy(buf_);
    buf_ = nullptr;
  }
  static void destroy(Buffer* b);

  Buffer* buf_ = nullptr;
};

// A program's String constants, made together at the start of a run: their buffers share one
// allocation and live as long as the table, which must outlive every value that shares one.
// Each is charged to the budget as make charges a String of its text.
class ScriptString::Constants {
 public:
  Constants() = default;
  Constants(const Constants&) = delete;
  Constants& operator=(const Constants&) = delete;
  ~Constants();

  void make(const std::vector<std::string>& texts, MemoryBudget* budget);
  const ScriptString* data() const { return strings_.data(); }

 private:
  std::vector<Buffer> buffers_;  // reserved once: the Strings point into it
  std::vector<ScriptString> strings_;
};

}  // namespace vorline::script
