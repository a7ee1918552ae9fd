// The text area on Qt: a plain-text editor widget. Positions count characters (code points),
// which the editor counts in UTF-16 units; every write of the program is one step of the
// editor's own undo, so Edit > Undo takes back a run's rebuild as it takes back typing.
#pragma once

#include <QPointer>

#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPadEdit.h"
#include "platform/qt/QtSpellHighlighter.h"
#include "platform/ui/TextArea.h"

namespace vorline {

class QtSpellDictionary;

class QtTextArea : public TextArea, public QtControl {
 public:
  // The widget is made in the parent (the window's content); the dictionary, when given,
  // checks spelling if the design asks for it.
  QtTextArea(QWidget* parent, QtSpellDictionary* dictionary);
  ~QtTextArea() override;

  std::string Text() const override;
  void SetText(const std::string& text) override;
  int64_t SelStart() const override;
  void SetSelStart(int64_t start) override;
  int64_t SelLength() const override;
  void SetSelLength(int64_t length) override;
  void ReplaceSelection(const std::string& text) override;
  bool CanUndo() const override;
  void Undo() override;

  QWidget* view() const override;
  QtPadEdit* editor() const { return edit_; }
  // Whether the spelling underline is on.
  bool checksSpelling() const { return highlighter_ != nullptr; }

 protected:
  void TypeKey(const std::string& key) override;
  void propertyChanged(std::string_view name) override;

 private:
  QString rawText() const;
  void typeWithoutEvent(const std::string& key);
  bool editable() const;
  void applyDesign();
  void applySpelling();
  void showSpellingRange();

  QtControlView view_;
  QPointer<QtPadEdit> edit_;
  QtSpellDictionary* dictionary_;
  QPointer<QtSpellHighlighter> highlighter_;
  // Whether a block may have been begun by a separator other than a line break: only then is
  // the text read block by block.
  bool marks_ = false;
};

}  // namespace vorline
