#include "platform/UiServices.h"

namespace vorline {
namespace {

class QuietUiServices : public UiServices {
public:
  void msgBox(const std::string&) override {}
  void beep() override {}
  std::string clipboardText() override { return clipboard_; }
  void setClipboardText(const std::string& text) override { clipboard_ = text; }

private:
  std::string clipboard_;
};

QuietUiServices& quiet() {
  static QuietUiServices services;
  return services;
}

UiServices* installed = nullptr;

}  // namespace

UiServices& ui() { return installed ? *installed : quiet(); }

void installUiServices(UiServices* services) { installed = services; }

}  // namespace vorline
