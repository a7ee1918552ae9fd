#include "platform/ui/TextArea.h"

#include "platform/text/TextOps.h"
#include "platform/ui/UiServices.h"

namespace vorline {

size_t TextArea::LineBreakAt(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  const char c = text[at];
  if (c == '\n') return 1;
  if (c == '\r') return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
  if (c != '\xE2' && c != '\xEF') return 0;
  const std::string_view three = text.substr(at, 3);
  const bool breaks = three == "\xE2\x80\xA8" || three == "\xE2\x80\xA9" ||
                      three == "\xEF\xB7\x90" || three == "\xEF\xB7\x91";
  return breaks ? 3 : 0;
}

// A plain loop over the bytes: find_first_of looks each byte up in the set with a call.
size_t TextArea::FindLineBreak(std::string_view text, size_t from) {
  for (size_t at = from; at < text.size(); ++at) {
    const char c = text[at];
    if ((c == '\n' || c == '\r' || c == '\xE2' || c == '\xEF') && LineBreakAt(text, at) > 0)
      return at;
  }
  return std::string_view::npos;
}

std::string TextArea::OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  size_t from = 0;
  for (size_t at = FindLineBreak(text, 0); at != std::string_view::npos;
       at = FindLineBreak(text, from)) {
    line.append(text, from, at - from).append("\xE2\x8F\x8E");
    from = at + LineBreakAt(text, at);
  }
  return line.append(text, from);
}

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
