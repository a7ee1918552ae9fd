#include "shell/Menu.h"

#include <string>
#include <vector>

#include "platform/ui/AppleMenuItem.h"
#include "platform/ui/QuitMenuItem.h"

namespace vorline {
namespace {

enum class Kind { Title, Item, Separator, Submenu, About, Quit };

// One row of the menu table: where the item goes, its kind and its values. A null shortcut
// sets none (separators and submenu titles); every other row sets its text, "" included.
struct Row {
  const char* menu;     // the title it goes under; nullptr: the bar itself
  const char* submenu;  // the submenu title under menu; nullptr: none
  Kind kind;
  const char* name;
  const char* text;
  const char* shortcut;
  bool autoEnable;
  int64_t index;
};

std::shared_ptr<MenuItem> makeItem(Kind kind) {
  switch (kind) {
    case Kind::About:
      return std::make_shared<AppleMenuItem>();
    case Kind::Quit:
      return std::make_shared<QuitMenuItem>();
    default:
      return std::make_shared<MenuItem>();
  }
}

// Makes one item from its row, in the framework's order of setters, and appends it where it
// belongs; each menu's title is already in place, as the rows come in display order.
void build(MenuBar& bar, const Row& row) {
  std::shared_ptr<MenuItem> item = makeItem(row.kind);
  item->SetName(row.name);
  item->SetAutoEnable(row.autoEnable);
  if (row.index != kNoMenuIndex) item->SetIndex(row.index);
  item->SetText(row.text);
  item->SetVisible(true);
  if (row.shortcut) item->SetKeyboardShortcut(row.shortcut);
  MenuItem* target = &bar;
  if (row.menu) target = bar.Child(row.menu).get();
  if (row.submenu) target = target->Child(row.submenu).get();
  target->Append(std::move(item));
}

void buildAll(MenuBar& bar, const std::vector<Row>& rows) {
  for (const Row& row : rows) build(bar, row);
}

constexpr const char* kFile = "mnuFile";
constexpr const char* kEdit = "mnuEdit";
constexpr const char* kCalc = "mnuCalculator";

// "&0 Digits" to "&9 Digits" take their digit as the Alt key; the digits are spent by then, so
// "10 &Digits", "11 D&igits" and "12 Di&gits" take a letter each.
std::string digitsText(int64_t n) {
  std::string text = std::to_string(n) + (n == 1 ? " Digit" : " Digits");
  const size_t at = n < 10 ? 0 : 3 + static_cast<size_t>(n - 10);
  return text.insert(at, "&");
}

}  // namespace

std::shared_ptr<Menu> Menu::_implicitInstance;

Menu::Menu() {
  Untitled0();
  Untitled1();
  Untitled2();
}

std::shared_ptr<Menu> Menu::Instance() {
  if (!_implicitInstance) _implicitInstance = std::make_shared<Menu>();
  return _implicitInstance;
}

void Menu::ReleaseInstance() { _implicitInstance.reset(); }

void Menu::Untitled0() {
  buildAll(
      *this,
      {
          {nullptr, nullptr, Kind::Title, kFile, "&File", "", false, kNoMenuIndex},
          {kFile, nullptr, Kind::About, "AboutMenu", "A&bout VRLN...", "", true, kNoMenuIndex},
          {kFile, nullptr, Kind::Item, "mnuNew", "&New", "Cmd+N", true, kNoMenuIndex},
          {kFile, nullptr, Kind::Item, "mnuOpen", "&Open...", "Cmd+O", true, kNoMenuIndex},
          {kFile, nullptr, Kind::Separator, "UntitledSeparator", "-", nullptr, true, kNoMenuIndex},
          {kFile, nullptr, Kind::Item, "mnuClose", "&Close", "Cmd+W", true, kNoMenuIndex},
          {kFile, nullptr, Kind::Item, "mnuSave", "&Save", "Cmd+S", true, kNoMenuIndex},
          {kFile, nullptr, Kind::Item, "mnuSaveAs", "Save &As...", "Cmd+Shift+s", false,
           kNoMenuIndex},
          {kFile, nullptr, Kind::Separator, "UntitledSeparator0", "-", nullptr, true, kNoMenuIndex},
          {kFile, nullptr, Kind::Quit, "FileQuit", "&Quit", "Cmd+Q", true, kNoMenuIndex},
          {kFile, nullptr, Kind::Item, "UntitledMenu8", "", "", false, kNoMenuIndex},
      });
}

void Menu::Untitled1() {
  buildAll(
      *this,
      {
          {nullptr, nullptr, Kind::Title, kEdit, "&Edit", "", false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "EditUndo", "&Undo", "Cmd+Z", false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Separator, "UntitledMenu3", "-", nullptr, false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "EditCut", "Cu&t", "Cmd+X", false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "EditCopy", "&Copy", "Cmd+C", false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "EditPaste", "&Paste", "Cmd+V", false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "EditClear", "&Delete", "", true, kNoMenuIndex},
          {kEdit, nullptr, Kind::Separator, "UntitledMenu2", "-", nullptr, false, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "mnuSelectAll", "Select &All", "Cmd+A", true, kNoMenuIndex},
          {kEdit, nullptr, Kind::Item, "UntitledMenu7", "", "", false, kNoMenuIndex},
      });
}

void Menu::Untitled2() {
  std::vector<Row> rows = {
      {nullptr, nullptr, Kind::Title, kCalc, "&Calculator", "", false, kNoMenuIndex},
      {kCalc, nullptr, Kind::Item, "mnuRun", "&Run", "Cmd+R", true, kNoMenuIndex},
      {kCalc, nullptr, Kind::Item, "mnuCalculatorReset", "R&eset", "", true, kNoMenuIndex},
      {kCalc, nullptr, Kind::Separator, "UntitledSeparator1", "-", nullptr, true, kNoMenuIndex},
      {kCalc, nullptr, Kind::Submenu, "mnuOutputMode", "&Output", nullptr, true, kNoMenuIndex},
      {kCalc, "mnuOutputMode", Kind::Item, "mnuMode", "Base 10 &Floating Point", "", true, 0},
      {kCalc, "mnuOutputMode", Kind::Item, "mnuMode", "Base 10 &Scientific", "", true, 1},
      {kCalc, nullptr, Kind::Submenu, "mnuPrecision", "&Precision", nullptr, true, kNoMenuIndex},
  };
  // The Precision items' texts outlive the rows that point at them.
  std::vector<std::string> digits;
  for (int64_t n = 0; n <= 12; ++n) digits.push_back(digitsText(n));
  for (int64_t n = 0; n <= 12; ++n)
    rows.push_back({kCalc, "mnuPrecision", Kind::Item, "mnupre",
                    digits[static_cast<std::size_t>(n)].c_str(), "", true, n});
  rows.push_back(
      {kCalc, nullptr, Kind::Separator, "UntitledSeparator2", "-", nullptr, true, kNoMenuIndex});
  rows.push_back({kCalc, nullptr, Kind::Item, "mnuViewShowVariables", "Show &Variables", "", true,
                  kNoMenuIndex});
  rows.push_back({kCalc, nullptr, Kind::Item, "UntitledMenu6", "", "", true, kNoMenuIndex});
  buildAll(*this, rows);
}

}  // namespace vorline
