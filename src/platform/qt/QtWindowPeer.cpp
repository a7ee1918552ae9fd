#include "platform/qt/QtWindowPeer.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <algorithm>

#include "platform/graphics/Picture.h"
#include "platform/qt/QtContentView.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtDesign.h"
#include "platform/qt/QtMenuModel.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtScreenArea.h"
#include "platform/qt/QtViewWindow.h"
#include "platform/qt/QtWindowView.h"
#include "platform/ui/Application.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/QuitMenuItem.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

int widgetSize(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, QWIDGETSIZE_MAX)); }

// The design's value of a window entry, when the design has it.
std::optional<DesignValue> windowDesign(const Window& window, std::string_view name) {
  const DesignValue* value = window.designValue(name);
  return value ? std::optional<DesignValue>(*value) : std::nullopt;
}

bool windowFlag(const Window& window, std::string_view name, bool fallback) {
  std::optional<DesignValue> value = windowDesign(window, name);
  return value ? designBool(*value, fallback) : fallback;
}

QWidget* widgetOf(Control* control) {
  auto* qt = dynamic_cast<QtControl*>(control);
  return qt ? qt->view() : nullptr;
}

}  // namespace

QtWindowPeer::QtWindowPeer(QtPlatform& platform, Window& window)
    : platform_(platform), window_(window), view_(new QtWindowView(window)) {
  // The window is still being made: its state is read from the first change or show on.
  view_->content()->onResized = [this](int width, int height) { contentResized(width, height); };
}

QtWindowPeer::~QtWindowPeer() {
  if (modalLoop_) modalLoop_->quit();
  if (!view_) return;
  view_->content()->onResized = nullptr;
  // Widgets of controls that outlive the window leave with their controls, not with it.
  for (QWidget* child : view_->content()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->property(QtControlView::kReleasedProperty).toBool()) continue;
    child->hide();
    child->setParent(nullptr);
  }
  view_->hide();
  view_->deleteLater();
}

QtContentView* QtWindowPeer::content() const { return view_ ? view_->content() : nullptr; }

void QtWindowPeer::show() {
  if (!view_ || closed_) return;
  if (!view_->isVisible()) {
    applyDesign();
    if (!placed_) placeOnScreen();
  }
  view_->show();
  view_->raise();
  view_->activateWindow();
}

// A nested event loop until the window closes; the caller holds the window meanwhile.
void QtWindowPeer::showModal() {
  if (!view_ || closed_) return;
  std::shared_ptr<Window> keep = window_.weak_from_this().lock();
  view_->setWindowModality(Qt::ApplicationModal);
  show();
  QEventLoop loop;
  modalLoop_ = &loop;
  platform_.runGuard().suspend();
  loop.exec(QEventLoop::DialogExec);
  platform_.runGuard().resume();
  modalLoop_ = nullptr;
}

void QtWindowPeer::close() {
  closed_ = true;
  if (viewWindow_) viewWindow_->hide();
  if (view_) view_->hide();
  if (modalLoop_) modalLoop_->quit();
}

void QtWindowPeer::windowChanged(std::string_view property) {
  if (!view_) return;
  if (property == "Title")
    applyTitle();
  else if (property == "MenuBar")
    applyMenuBar();
  else if (property == "Size" && !followingScreen_)
    resizeContent(widgetSize(window_.Width()), widgetSize(window_.Height()));
  else if (property == "Design")
    applyDesign();
}

// A new window opens wholly on the screen: a document window takes the next step of the
// cascade (QtCascade), any other window is centred on the one in front.
void QtWindowPeer::placeOnScreen() {
  placed_ = true;
  QWidget* front = QApplication::activeWindow();
  if (front == view_) front = nullptr;
  const QRect area = QtScreenArea::around(front);
  // Before it shows, a window's frame is not known: it will be like the front window's.
  const QMargins frame = QtScreenArea::frameOf(front);
  QSize outer = view_->size().grownBy(frame);
  if (windowFlag(window_, "Resizeable", true) &&
      (outer.width() > area.width() || outer.height() > area.height())) {
    view_->resize(view_->size().boundedTo(area.size().shrunkBy(frame)));
    outer = view_->size().grownBy(frame);
  }
  if (view_->windowType() != Qt::Dialog) {
    view_->move(platform_.cascade().place(*view_, outer, area, front));
    return;
  }
  const QPoint wanted =
      front ? front->frameGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2)
            : area.center() - QPoint(outer.width() / 2, outer.height() / 2);
  view_->move(QtScreenArea::fit(area, wanted, outer));
}

void QtWindowPeer::applyDesign() {
  applyWindowFlags();
  applySizeLimits();
  applyTitle();
  resizeContent(widgetSize(window_.Width()), widgetSize(window_.Height()));
  if (windowFlag(window_, "HasBackColor", false)) {
    QPalette palette = view_->content()->palette();
    std::optional<DesignValue> color = windowDesign(window_, "BackColor");
    palette.setColor(QPalette::Window,
                     toQColor(color ? designColor(*color) : Color{255, 255, 255, 0}));
    view_->content()->setPalette(palette);
    view_->content()->setAutoFillBackground(true);
  }
  if (view_->menuWidget())
    view_->menuWidget()->setVisible(windowFlag(window_, "MenuBarVisible", true));
}

// Frame 0 is a document window; the others are dialogs (1: movable modal). The title bar's
// buttons follow the design where it names them.
void QtWindowPeer::applyWindowFlags() {
  std::optional<DesignValue> frame = windowDesign(window_, "Frame");
  Qt::WindowFlags flags = (frame && designInt(*frame, 0) != 0) ? Qt::Dialog : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (windowFlag(window_, "CloseButton", true)) flags |= Qt::WindowCloseButtonHint;
  if (windowFlag(window_, "MinimizeButton", true)) flags |= Qt::WindowMinimizeButtonHint;
  if (windowFlag(window_, "MaximizeButton", true) && windowFlag(window_, "Resizeable", true))
    flags |= Qt::WindowMaximizeButtonHint;
  if (flags == view_->windowFlags()) return;
  bool shown = view_->isVisible();
  view_->setWindowFlags(flags);
  if (shown) view_->show();
}

void QtWindowPeer::applySizeLimits() {
  QtContentView* content = view_->content();
  if (!windowFlag(window_, "Resizeable", true)) {
    content->setFixedSize(widgetSize(window_.Width()), widgetSize(window_.Height()));
    return;
  }
  content->setMinimumSize(widgetSize(window_.MinWidth()), widgetSize(window_.MinHeight()));
  content->setMaximumSize(widgetSize(std::max(window_.MinWidth(), window_.MaxWidth())),
                          widgetSize(std::max(window_.MinHeight(), window_.MaxHeight())));
}

// Qt reads "[*]" in a title as the modified mark; a file may be named so.
void QtWindowPeer::applyTitle() {
  QString title = QString::fromStdString(window_.Title());
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  view_->setWindowTitle(title);
  if (viewWindow_) viewWindow_->setWindowTitle(QtViewWindow::titleFor(title));
}

void QtWindowPeer::applyMenuBar() {
  const std::shared_ptr<MenuBar>& bar = window_.GetMenuBar();
  if (!bar) {
    view_->setMenuWidget(nullptr);
    return;
  }
  platform_.menuModel(bar).install(*view_->menuBar());
  resizeContent(widgetSize(window_.Width()), widgetSize(window_.Height()));
}

// The height the menu bar takes at that width, as the window's layout will give it.
int QtWindowPeer::menuBarHeight(int width) const {
  QWidget* bar = view_->menuWidget();
  if (!bar || bar->isHidden()) return 0;
  bar->ensurePolished();
  int height = bar->heightForWidth(std::max(width, bar->minimumWidth()));
  if (height < 0) height = bar->sizeHint().height();
  return std::max(height, bar->minimumSizeHint().height());
}

void QtWindowPeer::resizeContent(int width, int height) {
  if (!view_) return;
  view_->resize(width, height + menuBarHeight(width));
}

// The screen's size is the window's: the user resized it, or the window system chose.
void QtWindowPeer::contentResized(int width, int height) {
  if (width == window_.Width() && height == window_.Height()) return;
  std::shared_ptr<Window> keep = window_.weak_from_this().lock();
  followingScreen_ = true;
  window_.Resize(width, height);
  followingScreen_ = false;
}

void QtWindowPeer::controlAdded(Control& control) {
  QWidget* widget = widgetOf(&control);
  if (!widget) return;
  widget->raise();
  widget->setVisible(control.Visible());
}

void QtWindowPeer::focusChanged() {
  if (!view_) return;
  QWidget* target = widgetOf(window_.Focus());
  if (target && target->focusPolicy() != Qt::NoFocus) {
    if (!target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
  } else if (QWidget* focused = view_->focusWidget()) {
    focused->clearFocus();
  }
}

void QtWindowPeer::showView(const Picture& picture) {
  if (!view_ || closed_) return;
  if (!viewWindow_) {
    viewWindow_ = new QtViewWindow(view_, platform_.cascade());
    lendApplicationCommands();
  }
  viewWindow_->showImage(picture.Image(), QtViewWindow::titleFor(view_->windowTitle()));
}

// The commands that need no pad (the application's own, and Quit) work from the drawing view
// with their keys, as from its pad; the pad's commands do not reach a view.
void QtWindowPeer::lendApplicationCommands() {
  const std::shared_ptr<MenuBar>& bar = window_.GetMenuBar();
  Application* app = Application::Instance();
  if (!bar || !app) return;
  QtMenuModel& model = platform_.menuModel(bar);
  bar->ForEachItem([&](MenuItem& item) {
    if (item.IsSeparator() || item.Count() > 0) return;
    if (!dynamic_cast<QuitMenuItem*>(&item) && !app->menuHandlers().Has(item.Name())) return;
    if (QAction* action = model.actionFor(item)) viewWindow_->addAction(action);
  });
}

}  // namespace vorline
