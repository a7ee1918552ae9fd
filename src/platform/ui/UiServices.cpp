#include "platform/ui/UiServices.h"

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

std::shared_ptr<FolderItem> UiServices::openFileDialog(const std::string&) { return nullptr; }

std::shared_ptr<FolderItem> UiServices::saveFileDialog(const std::string&, const std::string&) {
  return nullptr;
}

bool UiServices::optionKeyDown() { return false; }

UiServices& ui() { return installed ? *installed : quiet(); }

void installUiServices(UiServices* services) { installed = services; }

}  // namespace vorline
