#include "window/RunOutputBudget.h"

#include <algorithm>

namespace vorline {
namespace {

bool continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The characters (code points) of a UTF-8 text.
size_t charsOf(std::string_view text) {
  return static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !continues(c); }));
}

// The bytes of the text's first `chars` characters, but no more than `bytes`, never ending
// inside a character.
size_t prefixBytes(std::string_view text, size_t chars, size_t bytes) {
  size_t end = 0, seen = 0;
  while (end < text.size() && seen < chars) {
    size_t next = end + 1;
    while (next < text.size() && continues(text[next])) ++next;
    if (next > bytes) break;
    end = next;
    ++seen;
  }
  return end;
}

}  // namespace

void RunOutputBudget::Reset() {
  lineChars_.clear();
  runBytes_ = 0;
  runClosed_ = false;
}

RunOutputBudget::Share RunOutputBudget::Admit(size_t line, std::string_view printed) {
  constexpr size_t kSeparator = 3;  // " //"
  if (runClosed_) return {};
  // Grown by doubling: a run prints to line after line.
  if (line >= lineChars_.size()) lineChars_.resize(std::max(line + 1, 2 * lineChars_.size()), 0);
  size_t& used = lineChars_[line];
  if (used == kClosed) return {};
  const size_t chars = kSeparator + charsOf(printed);
  const size_t bytes = kSeparator + printed.size();
  const size_t bytesLeft = runBytes_ < kRunBytes ? kRunBytes - runBytes_ : 0;
  if (used + chars <= kLineChars && bytes <= bytesLeft) {
    used += chars;
    runBytes_ += bytes;
    return {printed.size(), false, false};
  }
  const size_t room = kLineChars - used;
  const size_t keep = prefixBytes(printed, room > kSeparator ? room - kSeparator : 0,
                                  bytesLeft > kSeparator ? bytesLeft - kSeparator : 0);
  used = kClosed;
  runBytes_ += kSeparator + keep + kMark.size();
  if (bytes > bytesLeft) runClosed_ = true;
  return {keep, true, false};
}

}  // namespace vorline
