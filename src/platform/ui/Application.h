// The application object: its events (Open, NewDocument, OpenDocument), its menu handlers, the
// list of its windows (front first), the dispatch of menu commands, and the event loop. One
// object is registered per process (RegisterAppObject); windows join it when shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/MenuHandlers.h"
#include "platform/ui/MenuItem.h"

namespace vorline {

class FolderItem;
class MenuBar;
class Window;

// The version information the application is given at start-up.
struct VersionData {
  int64_t majorVersion = 0;
  int64_t minorVersion = 0;
  int64_t bugVersion = 0;
  int64_t nonReleaseVersion = 0;
  int64_t stageCode = 0;  // 3: final release
  std::string copyright;
  std::string shortVersion;
  std::string longName;
};

class Application {
 public:
  Application() = default;
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The registered application object, or nullptr.
  static Application* Instance();
  // Makes app the application object (nullptr: none); it receives the events and commands.
  static void RegisterAppObject(Application* app);

  void _x_SetVersionData(const VersionData& data) { version_ = data; }
  const VersionData& versionData() const { return version_; }
  const std::shared_ptr<MenuBar>& GetMenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<MenuBar> bar) { menuBar_ = std::move(bar); }
  void _AddMenuHandler(const std::string& itemName, MenuHandler handler);
  void _AddMenuHandler(const std::string& itemName, IndexedMenuHandler handler);
  const MenuHandlers& menuHandlers() const { return handlers_; }

  // Events, for the program's subclass.
  virtual void Event_Open() {}
  virtual void Event_NewDocument() {}
  virtual void Event_OpenDocument(std::shared_ptr<FolderItem> item) { (void)item; }
  virtual void Event_EnableMenuItems() {}

  // The start of the event loop: Open, then NewDocument when no document is asked for, else
  // OpenDocument for each in turn. Each event runs guarded (EventGuard.h).
  void Launch(const std::vector<std::shared_ptr<FolderItem>>& documents);
  // Launch, then the toolkit's event loop until Quit; returns the exit code.
  int Run(const std::vector<std::shared_ptr<FolderItem>>& documents);
  // An open request of the system while the program runs, guarded.
  void OpenDocumentRequest(std::shared_ptr<FolderItem> item);
  // Closes every window and ends the event loop.
  void Quit(int exitCode = 0);
  bool QuitRequested() const { return quitRequested_; }
  int ExitCode() const { return exitCode_; }
  // Whether closing the last window quits (on by default).
  void SetQuitOnLastWindowClosed(bool on) { quitOnLastWindowClosed_ = on; }

  // The shown windows, front first.
  const std::vector<std::shared_ptr<Window>>& Windows() const { return windows_; }
  std::shared_ptr<Window> FrontWindow() const;
  // The platform reports that a window came to the front; a window that was not in front
  // before gets its Event_Activate.
  void Activate(Window& window);

  // Gives every item its automatic state (menu titles and Quit enabled, Undo, Cut, Copy and
  // Paste by the focused text area, others by AutoEnable), then raises the front window's and
  // the application's Event_EnableMenuItems.
  void EnableMenuItems();
  // A menu command: the item of that name (and index) in the front window's menu bar (else the
  // application's), if enabled after EnableMenuItems, goes to the front window's handler, then
  // the application's, then the platform's own service (Quit, Undo, Cut, Copy, Paste).
  // Returns whether a handler took it.
  bool MenuItemChosen(const std::string& name, int64_t index = kNoMenuIndex);
  bool MenuItemChosen(MenuItem& item);
  // A typed shortcut ("Cmd+S"): the first enabled, visible item that bears it is chosen.
  bool HandleShortcut(const std::string& shortcut);

  // Called by Window.
  void windowShown(Window& window);
  void windowClosed(Window& window);

 private:
  std::shared_ptr<MenuBar> activeMenuBar() const;
  bool dispatch(MenuItem& item);
  bool serveStandardItem(MenuItem& item);

  VersionData version_;
  std::shared_ptr<MenuBar> menuBar_;
  MenuHandlers handlers_;
  std::vector<std::shared_ptr<Window>> windows_;
  bool quitRequested_ = false;
  bool quitting_ = false;
  bool quitOnLastWindowClosed_ = true;
  int exitCode_ = 0;
};

}  // namespace vorline
