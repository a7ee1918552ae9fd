// The application object: it loads the prefix when it opens, makes a calculator window for a
// new document and for each file it is asked to open, and serves File > New, File > Open...
// and About. It keeps no list of windows: a shown window belongs to the platform.
#pragma once

#include <memory>

#include "platform/ui/Application.h"

namespace vorline {

class FolderItem;
class FrmMain;

class App : public Application {
 public:
  App() { Constructor(); }
  // The registered application object as an App; null when there is none or it is another.
  static App* Instance();

  void Event_Open() override;
  void Event_NewDocument() override;
  void Event_OpenDocument(std::shared_ptr<FolderItem> item) override;
  bool _mnuNew_Action();
  bool _AboutMenu_Action();
  bool _mnuOpen_Action();
  // Reads the file (asking for one when item is null) into a new calculator window; a file
  // that cannot be read shows "Unable to read file " and its name, and makes no window.
  void openFile(std::shared_ptr<FolderItem> item);
  void Constructor() {}

  // A new calculator window, set up, shown and started (File > New, NewDocument, openFile).
  static std::shared_ptr<FrmMain> NewCalculatorWindow();
};

}  // namespace vorline
