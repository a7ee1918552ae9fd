// FrmMain: the variables listing that Calculator > Show Variables puts in place of the pad.
#include "platform/text/TextOps.h"
#include "platform/ui/TextArea.h"
#include "platform/values/NilObjectException.h"
#include "window/FrmMain.h"

namespace vorline {

void FrmMain::PrintVar() {
  std::string text = "Memory Variables";
  text += EndOfLine;
  for (int64_t i = 0; i < mem.Count(); ++i) {
    const std::string& name = mem.Key(i);
    const Variant& value = mem.Value(name);
    text += name;
    if (value.isNumber())
      text += " = " + Str(value.toDouble());
    else if (value.isString())
      text += " = " + TextArea::OneLine(value.stringValue());  // one entry, one line
    else
      text += " = <non printable>";
    text += EndOfLine;
  }
  Sourcetxt()->SetText(text);
}

// The listing's state is the shared item's check mark.
void FrmMain::showVar() {
  std::shared_ptr<MenuItem> item = mnuViewShowVariables();
  if (!item) throw NilObjectException();
  if (!item->Checked()) {
    item->SetChecked(true);
    SaveUndo();
    PrintVar();
    Sourcetxt()->SetEnabled(false);
    return;
  }
  item->SetChecked(false);
  UndoChanges();
  SaveUndo();
  std::shared_ptr<TextArea> pad = Sourcetxt();
  pad->SetEnabled(true);
  // The disabled pad lost the keyboard focus; the user goes on typing where the pad left off.
  SetFocus(pad.get());
}

bool FrmMain::listingShows() const {
  std::shared_ptr<TextArea> pad = Sourcetxt();
  return pad && !pad->Enabled();
}

std::string FrmMain::userPadText() const { return listingShows() ? undoText : Sourcetxt()->Text(); }

// With several windows the item's one mark describes the front window's pad, so that choosing
// it switches that pad's own listing on or off.
void FrmMain::Event_Activate() {
  if (!GetMenuBar() || !Sourcetxt()) return;
  if (std::shared_ptr<MenuItem> item = mnuViewShowVariables()) item->SetChecked(listingShows());
}

}  // namespace vorline
