#include "platform/script/ScriptString.h"

#include <algorithm>

#include "platform/text/TextOps.h"

namespace vorline::script {

const std::string& ScriptString::empty() {
  static const std::string kEmpty;
  return kEmpty;
}

ScriptString ScriptString::make(std::string text, MemoryBudget* budget) {
  ScriptString s;
  if (budget) budget->require(sizeof(Buffer) + text.capacity());
  s.buf_ = new Buffer{1, -1, 0, budget, std::move(text)};
  s.changed();
  return s;
}

void ScriptString::Constants::make(const std::vector<std::string>& texts, MemoryBudget* budget) {
  buffers_.reserve(texts.size());
  strings_.reserve(texts.size());
  for (const std::string& text : texts) {
    // As make(std::string(text), budget) charges it.
    if (budget) budget->require(sizeof(Buffer) + std::max(text.size(), kInlineCapacity));
    Buffer& b = buffers_.emplace_back(Buffer{1u, -1, 0u, budget, text});
    ScriptString& s = strings_.emplace_back();
    s.buf_ = &b;
    s.changed();
  }
}

// Gives back what the constants hold; their buffers go with the table's allocation.
ScriptString::Constants::~Constants() {
  for (ScriptString& s : strings_) {
    Buffer* b = std::exchange(s.buf_, nullptr);
    if (b->budget) b->budget->credit(b->charged);
  }
}

void ScriptString::destroy(Buffer* b) {
  if (b->budget) b->budget->credit(b->charged);
  delete b;
}

void ScriptString::recharge(uint64_t now) {
  uint64_t was = std::exchange(buf_->charged, now);
  if (buf_->budget) buf_->budget->settle(was, now);
}

int64_t ScriptString::knownLength() const {
  if (!buf_) return 0;
  if (buf_->length < 0 && buf_->text.size() <= 64) buf_->length = Len(buf_->text);
  return buf_->length;
}

int64_t ScriptString::length() const {
  if (!buf_) return 0;
  if (buf_->length < 0) buf_->length = Len(buf_->text);
  return buf_->length;
}

void ScriptString::assignNew(std::string text, MemoryBudget* budget, int64_t length) {
  *this = make(std::move(text), budget);
  buf_->length = length;
}

void ScriptString::assignConcat(const ScriptString& l, const ScriptString& r,
                                MemoryBudget* budget) {
  int64_t length = sumOfLengths(l.knownLength(), r.knownLength());
  if (budget) budget->require(l.size() + r.size());
  if (unique() && this != &l && this != &r) {
    buf_->text.assign(l.view());
    buf_->text.append(r.view());
    changed(length);
    return;
  }
  std::string text;
  text.reserve(l.size() + r.size());
  text.append(l.view());
  text.append(r.view());
  *this = make(std::move(text), budget);
  buf_->length = length;
}

void ScriptString::appendSlowly(const ScriptString& more, MemoryBudget* budget) {
  if (more.isEmpty()) return;
  // The length stays known when this one's is.
  int64_t length = buf_ && buf_->length < 0 ? -1 : sumOfLengths(knownLength(), more.knownLength());
  if (unique()) {
    size_t need = size() + more.size();
    if (budget && buf_->text.capacity() < need)
      budget->require(std::max(need, 2 * buf_->text.capacity()));
    buf_->text.append(more.view());
    changed(length);
    return;
  }
  std::string text;
  text.reserve(size() + more.size());
  text.append(view());
  text.append(more.view());
  *this = make(std::move(text), budget);
  buf_->length = length;
}

void ScriptString::clear() {
  if (unique() && buf_->text.capacity() <= 256) {
    buf_->text.clear();
    changed();
    return;
  }
  release();
}

}  // namespace vorline::script
