// A text area: plain text with a caret and a selection, typed into by the user and written by
// the program. Positions count characters (code points) from 0: SelStart is the number of
// characters before the caret, or before the selection when there is one. Writing Text puts the
// caret at the start; every write, by the user or by the program, can be taken back with Undo.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/Control.h"

namespace vorline {

class TextArea : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual int64_t SelStart() const = 0;
  // Moves the caret (clamped to the text) and empties the selection.
  virtual void SetSelStart(int64_t start) = 0;
  virtual int64_t SelLength() const = 0;
  // Selects that many characters from SelStart (clamped to the text).
  virtual void SetSelLength(int64_t length) = 0;
  // Replaces the selection (or inserts at the caret) and puts the caret after the new text,
  // as typing or pasting does.
  virtual void ReplaceSelection(const std::string& text) = 0;

  virtual bool CanUndo() const = 0;
  // Takes back the last change of the text, the program's writes included.
  virtual void Undo() = 0;

  // The bytes of the line break that starts at byte `at` of the text, 0 for none: LF, CR LF,
  // CR, and the characters that the Qt editor shows as a break (U+2028) or breaks a line at
  // (U+2029, and U+FDD0 and U+FDD1, which it takes as the bounds of a frame).
  static size_t LineBreakAt(std::string_view text, size_t at);
  // The byte where the first line break from `from` on starts; npos for none.
  static size_t FindLineBreak(std::string_view text, size_t from);
  // The text kept on one line: each line break shown as the sign "⏎".
  static std::string OneLine(std::string_view text);

  std::string SelText() const;
  void SelectAll();
  // Edit commands on the selection, through the platform's clipboard.
  void Cut();
  void Copy();
  void Paste();
  bool CanCut() const { return Enabled() && SelLength() > 0; }
  bool CanCopy() const { return SelLength() > 0; }
  bool CanPaste() const;

  // One key pressed in the area: the KeyDown event first; unless it answers True the area's
  // own typing takes the key; then the KeyUp event. Returns whether KeyDown consumed the key.
  bool HandleKey(const std::string& key);

  bool AcceptsFocus() const override { return true; }
  void RaiseOpen() override;

  // Events, as the window attaches them.
  std::function<void(TextArea& area)> Open;
  std::function<bool(TextArea& area, const std::string& key)> KeyDown;
  std::function<void(TextArea& area, const std::string& key)> KeyUp;

 protected:
  // What the area itself does with a key that no handler consumed (insert it, a line break for
  // Return and Enter, delete for Backspace, move for the arrows).
  virtual void TypeKey(const std::string& key) = 0;
  bool applyProperty(const std::string& name, const DesignValue& value) override;
};

}  // namespace vorline
