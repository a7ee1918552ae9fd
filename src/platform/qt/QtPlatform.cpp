#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <stdexcept>
#include <utility>

#include "platform/files/FolderItem.h"
#include "platform/graphics/Picture.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtContentView.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtMenuEnabler.h"
#include "platform/qt/QtMenuModel.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtRectangle.h"
#include "platform/qt/QtSpellDictionary.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "platform/qt/QtWindowPeer.h"
#include "platform/qt/QtWindowView.h"
#include "platform/ui/Application.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

// While a box or dialog of the platform's own shows: the run guard holds back, and afterwards
// the window that was active is active again (without a window manager nobody else does it).
class ModalScope {
 public:
  explicit ModalScope(QtRunGuard& guard) : guard_(guard), active_(QApplication::activeWindow()) {
    guard_.suspend();
  }
  ~ModalScope() {
    guard_.resume();
    if (active_ && active_->isVisible() && QApplication::activeWindow() != active_)
      active_->activateWindow();
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
  QWidget* active() const { return active_; }

 private:
  QtRunGuard& guard_;
  QPointer<QWidget> active_;
};

}  // namespace

QtPlatform::QtPlatform() : dialogFolder_(QDir::homePath()) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
    throw std::logic_error("the Qt platform needs a QApplication");
  QApplication::setQuitOnLastWindowClosed(false);  // the application object decides
  enabler_ = std::make_unique<QtMenuEnabler>([this] { enablePass(); });
  installUiServices(this);
  previousToolkit_ = installUiToolkit(this);
  previousViewService_ = installViewWindowService(this);
}

QtPlatform::~QtPlatform() {
  guard_.end();
  installViewWindowService(previousViewService_);
  installUiToolkit(previousToolkit_);
  installUiServices(nullptr);
  menus_.clear();
}

void QtPlatform::msgBox(const std::string& text) {
  ModalScope modal(guard_);
  QtMessageBox::exec(modal.active(), QApplication::applicationDisplayName(),
                     QString::fromStdString(text));
}

void QtPlatform::beep() {
  ++beeps_;
  QApplication::beep();
}

std::string QtPlatform::clipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void QtPlatform::setClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::shared_ptr<FolderItem> QtPlatform::openFileDialog(const std::string& filter) {
  ModalScope modal(guard_);
  QString path = runOpenDialog(modal.active(), filter, dialogFolder_);
  return path.isEmpty() ? nullptr : std::make_shared<FolderItem>(path.toStdString());
}

std::shared_ptr<FolderItem> QtPlatform::saveFileDialog(const std::string& filter,
                                                       const std::string& proposedName) {
  ModalScope modal(guard_);
  QString path = runSaveDialog(modal.active(), filter, proposedName, dialogFolder_);
  return path.isEmpty() ? nullptr : std::make_shared<FolderItem>(path.toStdString());
}

bool QtPlatform::optionKeyDown() {
  return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier;
}

std::unique_ptr<WindowPeer> QtPlatform::newWindowPeer(Window& window) {
  return std::make_unique<QtWindowPeer>(*this, window);
}

QtWindowPeer& QtPlatform::peerOf(Window& window) {
  auto* peer = dynamic_cast<QtWindowPeer*>(&window.peer());
  if (!peer) throw std::logic_error("a window of another platform");
  return *peer;
}

std::shared_ptr<TextArea> QtPlatform::newTextArea(Window& window) {
  return std::make_shared<QtTextArea>(peerOf(window).content(), &spelling());
}

std::shared_ptr<Canvas> QtPlatform::newCanvas(Window& window) {
  return std::make_shared<QtCanvas>(peerOf(window).content());
}

std::shared_ptr<Label> QtPlatform::newLabel(Window& window) {
  return std::make_shared<QtLabel>(peerOf(window).content());
}

std::shared_ptr<Rectangle> QtPlatform::newRectangle(Window& window) {
  return std::make_shared<QtRectangle>(peerOf(window).content());
}

std::shared_ptr<Timer> QtPlatform::newTimer(Window&) {
  auto timer = std::make_shared<QtTimer>(clock_);
  clock_->enrol(timer);
  return timer;
}

int QtPlatform::runEventLoop() { return QApplication::exec(); }

void QtPlatform::quitEventLoop(int exitCode) { QCoreApplication::exit(exitCode); }

void QtPlatform::showView(Window& owner, const std::shared_ptr<Picture>& picture) {
  if (picture) peerOf(owner).showView(*picture);
}

QtMenuModel& QtPlatform::menuModel(const std::shared_ptr<MenuBar>& bar) {
  std::erase_if(menus_, [](const auto& model) { return model->expired(); });
  for (const auto& model : menus_)
    if (model->bar() == bar.get()) return *model;
  QtMenuModel::Hooks hooks{[this] { enablePass(); }, [this](MenuItem& item) { choose(item); },
                           [] { QTimer::singleShot(0, qApp, &QtPlatform::giveKeysBack); }};
  menus_.push_back(std::make_unique<QtMenuModel>(bar, std::move(hooks)));
  return *menus_.back();
}

QtSpellDictionary& QtPlatform::spelling() {
  if (!spelling_)
    spelling_ = std::make_unique<QtSpellDictionary>(QtSpellDictionary::defaultLanguages());
  return *spelling_;
}

void QtPlatform::setSpelling(std::unique_ptr<QtSpellDictionary> dictionary) {
  spelling_ = std::move(dictionary);
}

// A menu closed with Esc leaves its menu bar holding the keys (Space and Return would open a
// menu again), at once or when its window is active again; once no menu shows, the keys go
// back to the window's focused control.
void QtPlatform::giveKeysBack() {
  if (QApplication::activePopupWidget()) return;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* view = dynamic_cast<QtWindowView*>(widget);
    if (!view || !view->isVisible() || view->window().IsClosed() || !view->menuWidget()) continue;
    if (view->focusWidget() == view->menuWidget()) peerOf(view->window()).focusChanged();
  }
}

// The window the user works in is the front window, whatever order the windows were shown in.
void QtPlatform::syncFrontWindow() {
  Application* app = Application::Instance();
  auto* view = dynamic_cast<QtWindowView*>(QApplication::activeWindow());
  if (app && view && view->window().IsShown()) app->Activate(view->window());
}

void QtPlatform::enablePass() {
  Application* app = Application::Instance();
  if (!app) return;
  syncFrontWindow();
  app->EnableMenuItems();
}

void QtPlatform::choose(MenuItem& item) {
  Application* app = Application::Instance();
  if (!app) return;
  syncFrontWindow();
  ++choices_;
  lastChoiceHandled_ = app->MenuItemChosen(item);
}

}  // namespace vorline
