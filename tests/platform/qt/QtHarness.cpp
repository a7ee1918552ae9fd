#include "platform/qt/QtHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include "platform/qt/QtContentView.h"
#include "platform/qt/QtMenuModel.h"
#include "platform/qt/QtWindowPeer.h"
#include "platform/qt/QtWindowView.h"

namespace vorline::qttest {
namespace {

Qt::Key keyOf(QChar c) {
  if (c.unicode() >= 'a' && c.unicode() <= 'z') return Qt::Key(Qt::Key_A + (c.unicode() - 'a'));
  if (c.unicode() >= 0x20 && c.unicode() < 0x7f) return Qt::Key(c.toUpper().unicode());
  return Qt::Key_unknown;
}

// Answers come on the next turn of the event loop: an answer may open a box of its own (an
// overwrite question), which this timer must be free to close.
void later(QObject* target, const char* slot) {
  QMetaObject::invokeMethod(target, slot, Qt::QueuedConnection);
}

void closeMessageBox(QMessageBox& box) {
  for (QMessageBox::StandardButton answer : {QMessageBox::Ok, QMessageBox::Yes}) {
    if (QAbstractButton* button = box.button(answer)) return later(button, "click");
  }
  later(&box, "reject");
}

}  // namespace

ModalCloser::ModalCloser() {
  timer_.setInterval(20);
  QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
  timer_.start();
}

ModalCloser::~ModalCloser() { timer_.stop(); }

void ModalCloser::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (paused_ || !modal || !modal->isVisible() || modal == answered_) return;
  answered_ = modal;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages_ << box->text();
    closeMessageBox(*box);
  } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    ++dialogsSeen_;
    if (dialog->acceptMode() == QFileDialog::AcceptSave)
      proposedNames_ << dialog->selectedFiles().value(0).section('/', -1);
    QString answer = dialogAnswers_.empty() ? QString() : dialogAnswers_.front();
    if (!dialogAnswers_.empty()) dialogAnswers_.pop_front();
    if (answer.isEmpty()) {
      later(dialog, "reject");
    } else {
      // Typed into the name field as a whole path, just before the answer: the dialog may
      // still be loading its folder and put the proposed name back meanwhile.
      QTimer::singleShot(0, dialog, [dialog, answer] {
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
          name->setText(answer);
        else
          dialog->selectFile(answer);
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
      });
    }
  } else if (!onOtherModal || !onOtherModal(modal)) {
    later(modal, "close");
  }
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

QWindow* windowHandleOf(Window& window) {
  QtWindowView* view = QtPlatform::peerOf(window).view();
  return view ? view->windowHandle() : nullptr;
}

bool activateWindow(Window& window) {
  QtWindowView* view = QtPlatform::peerOf(window).view();
  if (!view) return false;
  view->show();
  view->raise();
  view->activateWindow();
  bool active = QTest::qWaitForWindowActive(view);
  QCoreApplication::processEvents();
  return active;
}

// A line break is the Return key, a tab the Tab key; every other character is typed as itself.
void typeText(Window& window, const QString& text) {
  for (QChar c : text) {
    if (c == '\n')
      pressKey(window, Qt::Key_Return);
    else if (c == '\t')
      pressKey(window, Qt::Key_Tab);
    else
      QTest::sendKeyEvent(QTest::Click, windowHandleOf(window), keyOf(c), QString(c),
                          Qt::NoModifier);
  }
}

void pressKey(Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(windowHandleOf(window), key, modifiers);
}

bool chooseMenuItem(QtPlatform& platform, MenuItem& item) {
  std::shared_ptr<MenuBar> bar;
  if (Application* app = Application::Instance()) {
    std::shared_ptr<Window> front = app->FrontWindow();
    bar = front && front->GetMenuBar() ? front->GetMenuBar() : app->GetMenuBar();
  }
  if (!bar) return false;
  QAction* action = platform.menuModel(bar).actionFor(item);
  if (!action) return false;
  for (QObject* holder : action->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(holder)) emit menu->aboutToShow();
  if (!action->isEnabled()) return false;
  int before = platform.choices();
  action->trigger();
  return platform.choices() > before && platform.lastChoiceHandled();
}

void QtHarness::press(Window& window, Key key) {
  switch (key) {
    case Key::KeypadEnter:
      return pressKey(window, Qt::Key_Enter, Qt::KeypadModifier);
    case Key::CtrlReturn:
      return pressKey(window, Qt::Key_Return, Qt::ControlModifier);
    case Key::Return:
      return pressKey(window, Qt::Key_Return);
    case Key::Escape:
      return pressKey(window, Qt::Key_Escape);
    case Key::Tab:
      return pressKey(window, Qt::Key_Tab);
    case Key::Backspace:
      return pressKey(window, Qt::Key_Backspace);
  }
}

void QtHarness::type(Window& window, const std::string& text) {
  typeText(window, QString::fromStdString(text));
}

void QtHarness::pressShortcut(Window& window, const std::string& shortcut) {
  QKeySequence sequence = QtMenuModel::keySequenceOf(shortcut);
  if (sequence.isEmpty()) return;
  QKeyCombination combination = sequence[0];
  pressKey(window, combination.key(), combination.keyboardModifiers());
}

bool QtHarness::chooseMenu(const std::string& name, int64_t index) {
  Application* app = Application::Instance();
  std::shared_ptr<Window> front = app ? app->FrontWindow() : nullptr;
  std::shared_ptr<MenuBar> bar = front && front->GetMenuBar() ? front->GetMenuBar()
                                 : app                        ? app->GetMenuBar()
                                                              : nullptr;
  if (!bar) return false;
  std::shared_ptr<MenuItem> item =
      index == kNoMenuIndex ? bar->_Lookup(name) : bar->_Lookup(name, index);
  return item && chooseMenuItem(platform_, *item);
}

void QtHarness::activate(Window& window) {
  activateWindow(window);
  if (Application* app = Application::Instance()) app->Activate(window);
}

void QtHarness::resize(Window& window, int64_t width, int64_t height) {
  QtWindowPeer& peer = QtPlatform::peerOf(window);
  peer.resizeContent(static_cast<int>(width), static_cast<int>(height));
  QWidget* content = peer.content();
  waitUntil([&] {
    QSize wanted =
        QSize(static_cast<int>(width), static_cast<int>(height)).expandedTo(content->minimumSize());
    return content->size() == wanted.boundedTo(content->maximumSize());
  });
  QCoreApplication::processEvents();
}

QtHarness::QtHarness() { platform_.clock().setByHand(); }

// The timers fire on the way; then the event loop takes what their Actions posted.
void QtHarness::advance(int64_t milliseconds) {
  platform_.clock().advance(milliseconds);
  QCoreApplication::processEvents();
}

std::vector<std::string> QtHarness::messages() {
  QCoreApplication::processEvents();
  std::vector<std::string> out;
  for (const QString& message : closer_.messages()) out.push_back(message.toStdString());
  return out;
}

}  // namespace vorline::qttest
