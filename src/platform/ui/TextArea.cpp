#include "platform/ui/TextArea.h"

#include "platform/text/TextOps.h"
#include "platform/ui/UiServices.h"

namespace vorline {

std::string TextArea::SelText() const { return Mid(Text(), SelStart() + 1, SelLength()); }

void TextArea::SelectAll() {
  SetSelStart(0);
  SetSelLength(Len(Text()));
}

void TextArea::Cut() {
  if (!CanCut()) return;
  ui().setClipboardText(SelText());
  ReplaceSelection("");
}

void TextArea::Copy() {
  if (CanCopy()) ui().setClipboardText(SelText());
}

bool TextArea::CanPaste() const { return Enabled() && !ui().clipboardText().empty(); }

void TextArea::Paste() {
  if (CanPaste()) ReplaceSelection(ui().clipboardText());
}

bool TextArea::HandleKey(const std::string& key) {
  bool consumed = KeyDown ? KeyDown(*this, key) : false;
  if (!consumed) TypeKey(key);
  if (KeyUp) KeyUp(*this, key);
  return consumed;
}

void TextArea::RaiseOpen() {
  if (Open) Open(*this);
}

bool TextArea::applyProperty(const std::string& name, const DesignValue& value) {
  if (name == "Text") {
    // A design text equal to the current one is no change, so a new area has nothing to undo.
    std::string text = designString(value);
    if (text != Text()) SetText(text);
    return true;
  }
  return Control::applyProperty(name, value);
}

}  // namespace vorline
