#include "platform/ui/Application.h"

#include <algorithm>

#include "platform/ui/EventGuard.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/QuitMenuItem.h"
#include "platform/ui/ShortcutKey.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/UiToolkit.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

Application* registered = nullptr;

// The standard edit items that the focused text area serves when no handler takes them.
enum class EditCommand { None, Undo, Cut, Copy, Paste };

EditCommand editCommandOf(const std::string& name) {
  if (name == "EditUndo") return EditCommand::Undo;
  if (name == "EditCut") return EditCommand::Cut;
  if (name == "EditCopy") return EditCommand::Copy;
  if (name == "EditPaste") return EditCommand::Paste;
  return EditCommand::None;
}

bool editCommandPossible(EditCommand command, const TextArea* area) {
  if (!area || !area->Enabled()) return false;
  switch (command) {
    case EditCommand::Undo:
      return area->CanUndo();
    case EditCommand::Cut:
      return area->CanCut();
    case EditCommand::Copy:
      return area->CanCopy();
    case EditCommand::Paste:
      return area->CanPaste();
    case EditCommand::None:
      break;
  }
  return false;
}

TextArea* focusedTextArea(const std::shared_ptr<Window>& window) {
  return window ? dynamic_cast<TextArea*>(window->Focus()) : nullptr;
}

}  // namespace

Application::~Application() {
  if (registered == this) registered = nullptr;
}

Application* Application::Instance() { return registered; }

void Application::RegisterAppObject(Application* app) { registered = app; }

void Application::_AddMenuHandler(const std::string& itemName, MenuHandler handler) {
  handlers_.Add(itemName, std::move(handler));
}

void Application::_AddMenuHandler(const std::string& itemName, IndexedMenuHandler handler) {
  handlers_.Add(itemName, std::move(handler));
}

void Application::Launch(const std::vector<std::shared_ptr<FolderItem>>& documents) {
  guardEntry([this] { Event_Open(); });
  if (documents.empty()) {
    guardEntry([this] { Event_NewDocument(); });
    return;
  }
  for (const auto& document : documents) OpenDocumentRequest(document);
}

int Application::Run(const std::vector<std::shared_ptr<FolderItem>>& documents) {
  Launch(documents);
  if (quitRequested_) return exitCode_;
  return toolkit().runEventLoop();
}

void Application::OpenDocumentRequest(std::shared_ptr<FolderItem> item) {
  guardEntry([this, &item] { Event_OpenDocument(item); });
}

void Application::Quit(int exitCode) {
  if (quitting_) return;
  quitting_ = true;
  quitRequested_ = true;
  exitCode_ = exitCode;
  for (const auto& window : std::vector(windows_)) window->Close();
  if (hasToolkit()) toolkit().quitEventLoop(exitCode);
  quitting_ = false;
}

std::shared_ptr<Window> Application::FrontWindow() const {
  return windows_.empty() ? nullptr : windows_.front();
}

void Application::Activate(Window& window) { windowShown(window); }

void Application::windowShown(Window& window) {
  std::shared_ptr<Window> held = window.weak_from_this().lock();
  if (!held) return;  // a window not owned by a shared_ptr cannot be held
  bool cameToFront = FrontWindow() != held;
  std::erase(windows_, held);
  windows_.insert(windows_.begin(), held);
  if (cameToFront) guardEntry([&held] { held->Event_Activate(); });
}

void Application::windowClosed(Window& window) {
  bool wasFront = FrontWindow().get() == &window;
  bool wasListed =
      std::erase_if(windows_, [&window](const auto& w) { return w.get() == &window; }) > 0;
  if (wasListed && windows_.empty() && quitOnLastWindowClosed_ && !quitting_) Quit(0);
  // The window behind the closed one is in front now.
  std::shared_ptr<Window> front = FrontWindow();
  if (wasFront && front && !quitting_) guardEntry([&front] { front->Event_Activate(); });
}

std::shared_ptr<MenuBar> Application::activeMenuBar() const {
  std::shared_ptr<Window> front = FrontWindow();
  if (front && front->GetMenuBar()) return front->GetMenuBar();
  return menuBar_;
}

void Application::EnableMenuItems() {
  std::shared_ptr<MenuBar> bar = activeMenuBar();
  if (!bar) return;
  std::shared_ptr<Window> front = FrontWindow();
  const TextArea* area = focusedTextArea(front);
  bar->ForEachItem([&](MenuItem& item) {
    EditCommand edit = editCommandOf(item.Name());
    if (item.Parent() == bar.get() || dynamic_cast<QuitMenuItem*>(&item))
      item.SetEnabled(true);
    else if (edit != EditCommand::None && !item.AutoEnable())
      item.SetEnabled(editCommandPossible(edit, area));
    else
      item.SetEnabled(item.AutoEnable());
  });
  if (front) guardEntry([&front] { front->Event_EnableMenuItems(); });
  guardEntry([this] { Event_EnableMenuItems(); });
}

bool Application::MenuItemChosen(const std::string& name, int64_t index) {
  std::shared_ptr<MenuBar> bar = activeMenuBar();
  if (!bar) return false;
  std::shared_ptr<MenuItem> item =
      index == kNoMenuIndex ? bar->_Lookup(name) : bar->_Lookup(name, index);
  return item ? MenuItemChosen(*item) : false;
}

bool Application::MenuItemChosen(MenuItem& item) {
  EnableMenuItems();
  if (!item.Enabled() || !item.Visible() || item.IsSeparator()) return false;
  return dispatch(item);
}

bool Application::HandleShortcut(const std::string& shortcut) {
  std::optional<ShortcutKey> wanted = ShortcutKey::Parse(shortcut);
  std::shared_ptr<MenuBar> bar = activeMenuBar();
  if (!wanted || !bar) return false;
  EnableMenuItems();
  MenuItem* match = nullptr;
  bar->ForEachItem([&](MenuItem& item) {
    if (match || !item.Enabled() || !item.Visible() || item.Count() > 0) return;
    if (ShortcutKey::Parse(item.KeyboardShortcut()) == wanted) match = &item;
  });
  return match ? dispatch(*match) : false;
}

// The front window's handler, then the application's, then the platform's own service.
bool Application::dispatch(MenuItem& item) {
  std::shared_ptr<Window> front = FrontWindow();
  bool handled = false;
  guardEntry([&] {
    if (front) {
      std::optional<bool> answer = front->menuHandlers().Invoke(item.Name(), item.Index());
      if (answer && *answer) {
        handled = true;
        return;
      }
    }
    std::optional<bool> answer = handlers_.Invoke(item.Name(), item.Index());
    handled = (answer && *answer) || serveStandardItem(item);
  });
  return handled;
}

bool Application::serveStandardItem(MenuItem& item) {
  if (dynamic_cast<QuitMenuItem*>(&item)) {
    Quit(0);
    return true;
  }
  EditCommand edit = editCommandOf(item.Name());
  TextArea* area = focusedTextArea(FrontWindow());
  if (edit == EditCommand::None || !editCommandPossible(edit, area)) return false;
  switch (edit) {
    case EditCommand::Undo:
      area->Undo();
      break;
    case EditCommand::Cut:
      area->Cut();
      break;
    case EditCommand::Copy:
      area->Copy();
      break;
    case EditCommand::Paste:
      area->Paste();
      break;
    case EditCommand::None:
      break;
  }
  return true;
}

}  // namespace vorline
