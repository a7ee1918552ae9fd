// FrmMain: the keys the pad handles itself, the caret's line, the undo snapshot, Edit > Delete
// with the history of cleared pads, the calculator mode and the colouring hooks.
#include <cctype>

#include "platform/text/TextOps.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TextArea.h"
#include "window/FrmMain.h"

namespace vorline {
namespace {

constexpr int64_t kEscape = 27;

// The generic scan for a separator of two characters, from the caret leftwards.
std::string scanTwoCharacterLine(const std::string& text, int64_t caret,
                                 const std::string& separator) {
  const std::string first = Left(separator, 1), last = Right(separator, 1);
  const int64_t length = Len(text);
  std::string result;
  for (int64_t p = caret; p >= 1; --p) {
    std::string c = Mid(text, p, 1);
    bool endsPair = TextEquals(c, last) && p > 1 && TextEquals(Mid(text, p - 1, 1), first);
    bool startsPair = TextEquals(c, first) && p < length && TextEquals(Mid(text, p + 1, 1), last);
    if (endsPair || startsPair) break;
    result.insert(0, c);
  }
  return result;
}

}  // namespace

void FrmMain::Sourcetxt_Open(TextArea&) {}

void FrmMain::Sourcetxt_KeyUp(TextArea&, const std::string&) {}

bool FrmMain::Sourcetxt_KeyDown(TextArea& area, const std::string& key) {
  SaveUndo();
  if (Asc(key) == kEscape) {
    area.SetText("");
    return true;
  }
  if (key != Chr(3)) return false;
  std::string line = getCurrentLine(area, std::string(EndOfLine));
  if (Len(line) == 0) return false;
  doExecute(line);
  return true;
}

bool FrmMain::Event_KeyDown(const std::string& key) {
  if (Asc(key) != kEscape) return false;
  Sourcetxt()->SetText("");
  return true;
}

// The caret stays where it is: only the returned text matters to the callers.
std::string FrmMain::getCurrentLine(TextArea& area, const std::string& separator) {
  const std::string text = area.Text();
  const int64_t caret = area.SelStart();
  if (Len(separator) == 2) return scanTwoCharacterLine(text, caret, separator);
  // One character: the text left of the caret after its last separator. An ASCII separator
  // is found by its byte; any other by comparing character by character.
  const std::string left = Left(text, caret);
  if (separator.size() == 1 && static_cast<unsigned char>(separator[0]) < 0x80 &&
      !std::isalpha(static_cast<unsigned char>(separator[0]))) {
    size_t cut = left.find_last_of(separator[0]);
    return cut == std::string::npos ? left : left.substr(cut + 1);
  }
  for (int64_t p = Len(left); p >= 1; --p)
    if (TextEquals(Mid(left, p, 1), separator)) return Mid(left, p + 1);
  return left;
}

void FrmMain::RunCurrentLine() {
  std::string line = getCurrentLine(*Sourcetxt(), std::string(EndOfLine));
  if (Len(line) > 0) doExecute(line);
}

void FrmMain::SaveUndo() {
  std::shared_ptr<TextArea> pad = Sourcetxt();
  undoText = pad->Text();
  UndoSelStart = pad->SelStart();
  UndoSelLength = pad->SelLength();
}

// The snapshot and the pad change places.
void FrmMain::UndoChanges() {
  std::string text = undoText;
  int64_t start = UndoSelStart, length = UndoSelLength;
  SaveUndo();
  std::shared_ptr<TextArea> pad = Sourcetxt();
  pad->SetText(text);
  pad->SetSelStart(start);
  pad->SetSelLength(length);
}

void FrmMain::SetMode(int64_t mode) {
  LastMode = CalMode;
  CalMode = mode;
}

void FrmMain::doClear() {
  if (Keyboard::AsyncOptionKey()) History = "";
  History += std::string(EndOfLine) + Sourcetxt()->Text();
  Sourcetxt()->SetText("");
}

bool FrmMain::_ViewHistory_Action() {
  std::shared_ptr<TextArea> pad = Sourcetxt();
  std::string text = History + Chr(13) + pad->Text();
  pad->SetText(text);
  pad->SetSelStart(Len(text));
  if (Keyboard::AsyncOptionKey()) History = "";
  return true;
}

bool FrmMain::_ViewClearHistory_Action() {
  History = "";
  return true;
}

void FrmMain::doColorSyntax(int64_t, int64_t) {}

void FrmMain::doColorSyntax() {}

// Finds the caret's line (start from 1 and length) for the two-argument hook.
void FrmMain::doColorCurrentLine() {
  const std::string text = Sourcetxt()->Text();
  const std::string left = Left(text, Sourcetxt()->SelStart());
  size_t cut = left.rfind(EndOfLine);
  int64_t start = cut == std::string::npos ? 1 : Len(left.substr(0, cut + 1)) + 1;
  std::string rest = Mid(text, start);
  size_t end = rest.find(EndOfLine);
  doColorSyntax(start, Len(end == std::string::npos ? rest : rest.substr(0, end)));
}

}  // namespace vorline
