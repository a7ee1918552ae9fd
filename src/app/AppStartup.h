// The program's start-up: the application folder made ready, the file types registered, the
// application object created with its version data and the shared menu bar, its three menu
// handlers registered, then the event loop. A failure in any step skips the rest and the loop.
#pragma once

#include <memory>
#include <vector>

namespace vorline {

class App;
class FolderItem;

class AppStartup {
 public:
  // The steps before the event loop. Throws what a step throws; the steps after it do not run.
  static void _EarlyStartup();
  // Early start-up, then the event loop with the documents the program was asked to open;
  // returns the exit code (1 when start-up failed, after the failure was reported, and when it
  // left no window open).
  static int _Main(const std::vector<std::shared_ptr<FolderItem>>& documents);
  // The application object made by _EarlyStartup; null before it.
  static App* Application() { return app_.get(); }
  // Unregisters and drops the application object and the shared menu bar (tests, tools).
  static void Shutdown();

  // Creates "includes" and "data" in the application folder; when it creates "includes", it
  // copies the installed prefix.vrl into it.
  static void _PrepareApplicationFolder();
  static void _InitFileTypes();
  static void _NewAppInstance();
  static void _ApplicationAddMenuHandlers();
  static void _LateStartup() {}

 private:
  static std::unique_ptr<App> app_;
};

}  // namespace vorline
