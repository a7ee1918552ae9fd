// The headless text area: the text is a string, the caret and the selection two numbers of
// characters, and every change is kept for Undo. Keys that no handler consumes are typed as a
// plain-text editor types them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/TextArea.h"

namespace vorline {

class HeadlessTextArea : public TextArea {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;
  int64_t SelStart() const override { return selStart_; }
  void SetSelStart(int64_t start) override;
  int64_t SelLength() const override { return selLength_; }
  void SetSelLength(int64_t length) override;
  void ReplaceSelection(const std::string& text) override;
  bool CanUndo() const override { return !undo_.empty(); }
  void Undo() override;

  // The most changes that Undo can take back.
  static constexpr std::size_t kUndoDepth = 100;

 protected:
  void TypeKey(const std::string& key) override;

 private:
  struct State {
    std::string text;
    int64_t selStart;
    int64_t selLength;
  };
  void remember();
  void replaceRange(int64_t start, int64_t length, const std::string& text);
  void deleteBackward();
  void deleteForward();
  void moveCaret(int64_t delta);
  bool editable() const;

  std::string text_;
  int64_t selStart_ = 0;
  int64_t selLength_ = 0;
  std::vector<State> undo_;
};

}  // namespace vorline
