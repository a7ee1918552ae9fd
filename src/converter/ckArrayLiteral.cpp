#include "converter/ckArrayLiteral.h"

#include <algorithm>

#include "platform/text/TextOps.h"

namespace vorline {

namespace {

// The first count numbers of values, each in decimal, joined by ", ".
std::string joinNumbers(const std::vector<int64_t>& values, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) out += ", ";
    out += vorline::Str(values[i]);
  }
  return out;
}

}  // namespace

ckArrayLiteral::ckArrayLiteral(std::string_view name, std::string_view lit) : name_(name) {
  for (const char c : lit) {
    if (c == '{') {
      openLevel();
      if (tooDeep_) return;
    } else if (c == '}') {
      if (level_ < 0) continue;
      closeElement();
      if (level_-- == 0) return;  // the closing brace of the literal: the rest is ignored
    } else if (c == ',') {
      if (level_ < 0) continue;
      closeElement();
      nextPosition();
    } else {
      element_ += c;
    }
  }
  // The literal ended before its closing brace: an element still gathered is dropped.
}

// A "{" opens a level one deeper, at position 0; text gathered before it is dropped.
void ckArrayLiteral::openLevel() {
  ++level_;
  if (static_cast<size_t>(level_) >= kMaxDepth) {
    tooDeep_ = true;
    return;
  }
  if (static_cast<size_t>(level_) == position_.size()) {
    position_.push_back(0);
    highest_.push_back(0);
  } else {
    position_[static_cast<size_t>(level_)] = 0;
  }
  element_.clear();
}

// Writes the element gathered so far, if any, at the current positions of every open level.
void ckArrayLiteral::closeElement() {
  if (element_.empty()) return;
  lines_ += name_ + "(" + joinNumbers(position_, static_cast<size_t>(level_) + 1) + ") = ";
  lines_ += element_;
  lines_ += vorline::EndOfLine;
  element_.clear();
}

void ckArrayLiteral::nextPosition() {
  const auto level = static_cast<size_t>(level_);
  ++position_[level];
  highest_[level] = std::max(highest_[level], position_[level]);
}

std::string ckArrayLiteral::declaration() const {
  return "dim " + name_ + "(" + joinNumbers(highest_, highest_.size()) + ") as variant" +
         std::string(vorline::EndOfLine);
}

}  // namespace vorline
