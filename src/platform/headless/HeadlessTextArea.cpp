#include "platform/headless/HeadlessTextArea.h"

#include <algorithm>

#include "platform/text/TextOps.h"
#include "platform/ui/Keyboard.h"

namespace vorline {

void HeadlessTextArea::remember() {
  if (undo_.size() == kUndoDepth) undo_.erase(undo_.begin());
  undo_.push_back({text_, selStart_, selLength_});
}

void HeadlessTextArea::SetText(const std::string& text) {
  remember();
  text_ = text;
  selStart_ = 0;
  selLength_ = 0;
  propertyChanged("Text");
}

void HeadlessTextArea::SetSelStart(int64_t start) {
  selStart_ = std::clamp<int64_t>(start, 0, Len(text_));
  selLength_ = 0;
  propertyChanged("SelStart");
}

void HeadlessTextArea::SetSelLength(int64_t length) {
  selLength_ = std::clamp<int64_t>(length, 0, Len(text_) - selStart_);
  propertyChanged("SelLength");
}

void HeadlessTextArea::ReplaceSelection(const std::string& text) {
  replaceRange(selStart_, selLength_, text);
}

// Replaces length characters from start and puts the caret after the new text; one undo step.
void HeadlessTextArea::replaceRange(int64_t start, int64_t length, const std::string& text) {
  remember();
  text_ = vorline::Left(text_, start) + text + Mid(text_, start + length + 1);
  selStart_ = start + Len(text);
  selLength_ = 0;
  propertyChanged("Text");
}

void HeadlessTextArea::Undo() {
  if (undo_.empty()) return;
  State before = std::move(undo_.back());
  undo_.pop_back();
  text_ = std::move(before.text);
  selStart_ = before.selStart;
  selLength_ = before.selLength;
  propertyChanged("Text");
}

bool HeadlessTextArea::editable() const {
  const DesignValue* readOnly = designValue("ReadOnly");
  return Enabled() && !(readOnly && designBool(*readOnly));
}

void HeadlessTextArea::deleteBackward() {
  if (selLength_ > 0)
    replaceRange(selStart_, selLength_, "");
  else if (selStart_ > 0)
    replaceRange(selStart_ - 1, 1, "");
}

void HeadlessTextArea::deleteForward() {
  if (selLength_ > 0)
    replaceRange(selStart_, selLength_, "");
  else if (selStart_ < Len(text_))
    replaceRange(selStart_, 1, "");
}

// Arrow keys: a selection collapses to its near end, else the caret moves one character.
void HeadlessTextArea::moveCaret(int64_t delta) {
  if (selLength_ > 0) {
    SetSelStart(delta < 0 ? selStart_ : selStart_ + selLength_);
    return;
  }
  SetSelStart(selStart_ + delta);
}

void HeadlessTextArea::TypeKey(const std::string& key) {
  if (key.empty()) return;
  if (key == Keys::Left) return moveCaret(-1);
  if (key == Keys::Right) return moveCaret(1);
  if (!editable()) return;
  if (key == Keys::Return || key == Keys::Enter || key == "\n")
    return ReplaceSelection(std::string(EndOfLine));
  if (key == Keys::Backspace) return deleteBackward();
  if (key == Keys::Delete) return deleteForward();
  if (key == Keys::Tab) {
    const DesignValue* tabs = designValue("AcceptTabs");
    if (!tabs || designBool(*tabs)) ReplaceSelection(key);
    return;
  }
  // Other control characters (Esc, the vertical arrows) type nothing.
  if (static_cast<unsigned char>(key[0]) < 0x20) return;
  ReplaceSelection(key);
}

}  // namespace vorline
