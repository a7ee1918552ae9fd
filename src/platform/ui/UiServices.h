// The UI services that code without a window of its own calls on: message boxes, the beep, the
// clipboard, the open and save dialogs and the state of the keyboard. The program installs the
// Qt implementation, tests and padrun a headless one; until one is installed, a quiet in-memory
// default answers (no box, no sound, a private clipboard, every dialog cancelled, no key held).
#pragma once

#include <memory>
#include <string>

namespace vorline {

class FolderItem;

class UiServices {
 public:
  virtual ~UiServices() = default;
  // Shows a modal message box with the text and returns when the user has closed it.
  virtual void msgBox(const std::string& text) = 0;
  virtual void beep() = 0;
  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(const std::string& text) = 0;

  // The open dialog for the files a filter admits ("TEXT": the registered file types); the
  // chosen file, or nullptr when the user cancels.
  virtual std::shared_ptr<FolderItem> openFileDialog(const std::string& filter);
  // The save dialog proposing a name; the chosen file (which need not exist), or nullptr.
  virtual std::shared_ptr<FolderItem> saveFileDialog(const std::string& filter,
                                                     const std::string& proposedName);
  // Whether the Option (Alt) key is held down at this moment.
  virtual bool optionKeyDown();
};

// The installed services (never null). install(nullptr) puts the quiet default back.
UiServices& ui();
void installUiServices(UiServices* services);

// The framework's names for the same services.
inline void MsgBox(const std::string& text) { ui().msgBox(text); }
inline void Beep() { ui().beep(); }

}  // namespace vorline
