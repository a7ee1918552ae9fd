// FrmMain: the menu-item accessors, the window's menu handlers and the pad files.
#include "platform/files/FolderItem.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/UiServices.h"
#include "platform/values/IllegalCastException.h"
#include "platform/values/NilObjectException.h"
#include "window/FrmMain.h"
#include "window/PadFile.h"

namespace vorline {
namespace {

constexpr const char* kFilter = "TEXT";

// The item a command works on; a missing one is the framework's nil-object failure.
template <class T>
std::shared_ptr<T> required(std::shared_ptr<T> item) {
  if (!item) throw NilObjectException();
  return item;
}

template <class T>
std::shared_ptr<T> castItem(std::shared_ptr<MenuItem> item, const std::string& name) {
  if (!item) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(item);
  if (!typed) throw IllegalCastException("Illegal cast: menu item " + name);
  return typed;
}

}  // namespace

template <class T>
std::shared_ptr<T> FrmMain::menuItem(const std::string& name) const {
  const std::shared_ptr<MenuBar>& bar = GetMenuBar();
  if (!bar) throw NilObjectException();
  return castItem<T>(bar->_Lookup(name), name);
}

template <class T>
std::shared_ptr<T> FrmMain::menuItem(const std::string& name, int64_t index) const {
  const std::shared_ptr<MenuBar>& bar = GetMenuBar();
  if (!bar) throw NilObjectException();
  return castItem<T>(bar->_Lookup(name, index), name);
}

std::shared_ptr<MenuItem> FrmMain::mnuCalculator() const {
  return menuItem<MenuItem>("mnuCalculator");
}
std::shared_ptr<MenuItem> FrmMain::UntitledMenu6() const {
  return menuItem<MenuItem>("UntitledMenu6");
}
std::shared_ptr<MenuItem> FrmMain::mnuViewShowVariables() const {
  return menuItem<MenuItem>("mnuViewShowVariables");
}
std::shared_ptr<MenuItem> FrmMain::UntitledSeparator2() const {
  return menuItem<MenuItem>("UntitledSeparator2");
}
std::shared_ptr<MenuItem> FrmMain::mnuPrecision() const {
  return menuItem<MenuItem>("mnuPrecision");
}
std::shared_ptr<MenuItem> FrmMain::mnupre(int64_t index) const {
  return menuItem<MenuItem>("mnupre", index);
}
std::shared_ptr<MenuItem> FrmMain::mnuOutputMode() const {
  return menuItem<MenuItem>("mnuOutputMode");
}
std::shared_ptr<MenuItem> FrmMain::mnuMode(int64_t index) const {
  return menuItem<MenuItem>("mnuMode", index);
}
std::shared_ptr<MenuItem> FrmMain::UntitledSeparator1() const {
  return menuItem<MenuItem>("UntitledSeparator1");
}
std::shared_ptr<MenuItem> FrmMain::mnuCalculatorReset() const {
  return menuItem<MenuItem>("mnuCalculatorReset");
}
std::shared_ptr<MenuItem> FrmMain::mnuRun() const { return menuItem<MenuItem>("mnuRun"); }
std::shared_ptr<MenuItem> FrmMain::mnuEdit() const { return menuItem<MenuItem>("mnuEdit"); }
std::shared_ptr<MenuItem> FrmMain::UntitledMenu7() const {
  return menuItem<MenuItem>("UntitledMenu7");
}
std::shared_ptr<MenuItem> FrmMain::mnuSelectAll() const {
  return menuItem<MenuItem>("mnuSelectAll");
}
std::shared_ptr<MenuItem> FrmMain::UntitledMenu2() const {
  return menuItem<MenuItem>("UntitledMenu2");
}
std::shared_ptr<MenuItem> FrmMain::EditClear() const { return menuItem<MenuItem>("EditClear"); }
std::shared_ptr<MenuItem> FrmMain::EditPaste() const { return menuItem<MenuItem>("EditPaste"); }
std::shared_ptr<MenuItem> FrmMain::EditCopy() const { return menuItem<MenuItem>("EditCopy"); }
std::shared_ptr<MenuItem> FrmMain::EditCut() const { return menuItem<MenuItem>("EditCut"); }
std::shared_ptr<MenuItem> FrmMain::UntitledMenu3() const {
  return menuItem<MenuItem>("UntitledMenu3");
}
std::shared_ptr<MenuItem> FrmMain::EditUndo() const { return menuItem<MenuItem>("EditUndo"); }
std::shared_ptr<MenuItem> FrmMain::mnuFile() const { return menuItem<MenuItem>("mnuFile"); }
std::shared_ptr<MenuItem> FrmMain::UntitledMenu8() const {
  return menuItem<MenuItem>("UntitledMenu8");
}
std::shared_ptr<QuitMenuItem> FrmMain::FileQuit() const {
  return menuItem<QuitMenuItem>("FileQuit");
}
std::shared_ptr<MenuItem> FrmMain::UntitledSeparator0() const {
  return menuItem<MenuItem>("UntitledSeparator0");
}
std::shared_ptr<MenuItem> FrmMain::mnuSaveAs() const { return menuItem<MenuItem>("mnuSaveAs"); }
std::shared_ptr<MenuItem> FrmMain::mnuSave() const { return menuItem<MenuItem>("mnuSave"); }
std::shared_ptr<MenuItem> FrmMain::mnuClose() const { return menuItem<MenuItem>("mnuClose"); }
std::shared_ptr<MenuItem> FrmMain::UntitledSeparator() const {
  return menuItem<MenuItem>("UntitledSeparator");
}
std::shared_ptr<MenuItem> FrmMain::mnuOpen() const { return menuItem<MenuItem>("mnuOpen"); }
std::shared_ptr<MenuItem> FrmMain::mnuNew() const { return menuItem<MenuItem>("mnuNew"); }
std::shared_ptr<AppleMenuItem> FrmMain::AboutMenu() const {
  return menuItem<AppleMenuItem>("AboutMenu");
}

void FrmMain::AddMenuHandlers() {
  _AddMenuHandler("ViewClearHistory", MenuHandler([this] { return _ViewClearHistory_Action(); }));
  _AddMenuHandler("ViewHistory", MenuHandler([this] { return _ViewHistory_Action(); }));
  _AddMenuHandler("EditClear", MenuHandler([this] { return _EditClear_Action(); }));
  _AddMenuHandler("mnuViewShowVariables",
                  MenuHandler([this] { return _mnuViewShowVariables_Action(); }));
  _AddMenuHandler("mnuRun", MenuHandler([this] { return _mnuRun_Action(); }));
  _AddMenuHandler("mnuCalculatorReset",
                  MenuHandler([this] { return _mnuCalculatorReset_Action(); }));
  _AddMenuHandler("mnuSave", MenuHandler([this] { return _mnuSave_Action(); }));
  _AddMenuHandler("mnupre", IndexedMenuHandler([this](int64_t i) { return _mnupre_Action(i); }));
  _AddMenuHandler("mnuMode", IndexedMenuHandler([this](int64_t i) { return _mnuMode_Action(i); }));
  _AddMenuHandler("mnuSaveAs", MenuHandler([this] { return _mnuSaveAs_Action(); }));
  _AddMenuHandler("mnuClose", MenuHandler([this] { return _mnuClose_Action(); }));
  _AddMenuHandler("mnuSelectAll", MenuHandler([this] { return _mnuSelectAll_Action(); }));
}

// Save As... is enabled only for a pad that has a file.
void FrmMain::Event_EnableMenuItems() {
  if (theFile) required(mnuSaveAs())->SetEnabled(true);
}

bool FrmMain::_EditClear_Action() {
  doClear();
  return true;
}

bool FrmMain::_mnuViewShowVariables_Action() {
  showVar();
  return true;
}

bool FrmMain::_mnuRun_Action() {
  doExecute(Sourcetxt()->Text());
  return true;
}

bool FrmMain::_mnuCalculatorReset_Action() {
  doReset();
  return true;
}

bool FrmMain::_mnuClose_Action() {
  Close();
  return true;
}

bool FrmMain::_mnuSelectAll_Action() {
  Sourcetxt()->SelectAll();
  return true;
}

bool FrmMain::_mnupre_Action(int64_t index) { return chooseSetting(opPrecision, index, true); }

bool FrmMain::_mnuMode_Action(int64_t index) { return chooseSetting(opViewMode, index, false); }

// Moves the check mark from the window's current setting to the chosen item; other windows'
// marks stay, as the items are shared.
bool FrmMain::chooseSetting(int64_t& setting, int64_t index, bool precision) {
  auto item = [&](int64_t i) { return required(precision ? mnupre(i) : mnuMode(i)); };
  item(setting)->SetChecked(false);
  setting = index;
  item(setting)->SetChecked(true);
  return true;
}

bool FrmMain::_mnuSave_Action() {
  std::shared_ptr<FolderItem> file = theFile ? theFile : GetSaveFolderItem(kFilter, Title());
  if (file) saveTo(file);
  return true;
}

bool FrmMain::_mnuSaveAs_Action() {
  std::shared_ptr<FolderItem> file = GetSaveFolderItem(kFilter, Title());
  if (file) saveTo(file);
  return true;
}

// Writes the user's pad to the file (never the variables listing that may show in its place);
// on success the window takes the file and its name.
bool FrmMain::saveTo(const std::shared_ptr<FolderItem>& file) {
  if (!PadFile::Write(*file, userPadText())) {
    MsgBox("Unable to write file " + file->Name());
    return false;
  }
  SetTitle(file->Name());
  theFile = file;
  return true;
}

bool FrmMain::OpenFile(std::shared_ptr<FolderItem> file) {
  if (!file) file = GetOpenFolderItem(kFilter);
  if (!file) return true;
  std::optional<std::string> text = PadFile::Read(*file);
  if (!text) {
    MsgBox("Unable to read file " + file->Name());
    return true;
  }
  Sourcetxt()->SetText(*text);
  SetTitle(file->Name());
  theFile = file;
  return true;
}

}  // namespace vorline
