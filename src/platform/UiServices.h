// The UI services that code without a window of its own calls on: message boxes, the beep and
// the clipboard. The program installs the Qt implementation, tests and padrun a headless one;
// until one is installed, a quiet in-memory default answers (no box, no sound, a private
// clipboard).
#pragma once

#include <string>

namespace vorline {

class UiServices {
public:
  virtual ~UiServices() = default;
  // Shows a modal message box with the text and returns when the user has closed it.
  virtual void msgBox(const std::string& text) = 0;
  virtual void beep() = 0;
  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(const std::string& text) = 0;
};

// The installed services (never null). install(nullptr) puts the quiet default back.
UiServices& ui();
void installUiServices(UiServices* services);

// The framework's names for the same services.
inline void MsgBox(const std::string& text) { ui().msgBox(text); }
inline void Beep() { ui().beep(); }

}  // namespace vorline
