#include "platform/headless/HeadlessWindowPeer.h"

#include "platform/headless/HeadlessPlatform.h"

namespace vorline {

void HeadlessWindowPeer::showModal() {
  ++modalShows_;
  if (platform_.onShowModal) platform_.onShowModal(window_);
}

}  // namespace vorline
