#include "platform/qt/QtWindowView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <memory>

#include "platform/qt/QtContentView.h"
#include "platform/qt/QtKeyText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

namespace vorline {

QtWindowView::QtWindowView(Window& window)
    : window_(window), content_(new QtContentView(window, this)) {
  setCentralWidget(content_);
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  QObject::connect(f10, &QShortcut::activated, this, &QtWindowView::openFirstMenu);
}

// F10 opens the first menu, as on the Linux desktops; the arrows and Esc go on from there.
void QtWindowView::openFirstMenu() {
  auto* bar = qobject_cast<QMenuBar*>(menuWidget());
  if (!bar || bar->isHidden()) return;
  for (QAction* action : bar->actions()) {
    if (!action->isVisible() || !action->isEnabled()) continue;
    bar->setActiveAction(action);
    return;
  }
}

void QtWindowView::keyPressEvent(QKeyEvent* event) {
  std::optional<std::string> text = keyTextOf(*event);
  if (!text) return QMainWindow::keyPressEvent(event);
  std::shared_ptr<Window> keep = window_.weak_from_this().lock();
  window_.DeliverKey(*text);
  event->accept();
}

// The window decides: Window::Close takes the window off the screen through its peer.
void QtWindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  std::shared_ptr<Window> keep = window_.weak_from_this().lock();
  window_.Close();
}

void QtWindowView::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !window_.IsShown()) return;
  if (Application* app = Application::Instance()) app->Activate(window_);
}

}  // namespace vorline
