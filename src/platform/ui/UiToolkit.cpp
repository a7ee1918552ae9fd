#include "platform/ui/UiToolkit.h"

#include <stdexcept>

namespace vorline {
namespace {
UiToolkit* installed = nullptr;
}  // namespace

UiToolkit& toolkit() {
  if (!installed) throw std::logic_error("no UI toolkit is installed");
  return *installed;
}

bool hasToolkit() { return installed != nullptr; }

UiToolkit* installUiToolkit(UiToolkit* toolkit) {
  UiToolkit* before = installed;
  installed = toolkit;
  return before;
}

}  // namespace vorline
