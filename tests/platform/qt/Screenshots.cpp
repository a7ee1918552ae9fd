// Takes the screenshots of docs/ with the program itself: the real application and calculator
// window on the Qt platform, typed into and run as a user would, each picture grabbed from the
// program's own widgets. Run it offscreen or under xvfb-run:
//   QT_QPA_PLATFORM=offscreen vorline_screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/App.h"
#include "app/AppStartup.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtHarness.h"
#include "platform/qt/QtViewWindow.h"
#include "platform/qt/QtWindowPeer.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/ViewWindow.h"
#include "window/FrmMain.h"

namespace vorline::qttest {
namespace {

const char* const kPad =
    "# A month of costs\n"
    "rent = 950\n"
    "food = 32.5 * 30\n"
    "travel = 3 * 2.9 * 22\n"
    "total = rent + food + travel\n"
    "total / 4\n"
    "sqrt(2) * 100\n";

// The window as it shows, menu bar included, with a title bar drawn above it (there is no
// window manager to draw one), and a modal box over it when one is given.
QImage windowPicture(QWidget& window, QWidget* box = nullptr) {
  QImage content = window.grab().toImage();
  const int titleHeight = 26;
  QImage picture(content.width() + 2, content.height() + titleHeight + 1, QImage::Format_RGB32);
  picture.fill(QColor(0x9a, 0x9a, 0x9a));
  QPainter painter(&picture);
  painter.fillRect(1, 1, content.width(), titleHeight - 1, QColor(0xe8, 0xe8, 0xe8));
  painter.setPen(Qt::black);
  painter.drawText(QRect(1, 1, content.width(), titleHeight - 1), Qt::AlignCenter,
                   window.windowTitle());
  painter.drawImage(1, titleHeight, content);
  if (box) {
    QImage over = box->grab().toImage();
    QPoint at((picture.width() - over.width()) / 2,
              titleHeight + (content.height() - over.height()) / 3);
    painter.fillRect(QRect(at - QPoint(1, 1), over.size() + QSize(2, 2)), QColor(0x70, 0x70, 0x70));
    painter.drawImage(at, over);
  }
  return picture;
}

bool save(const QImage& image, const QDir& folder, const char* name) {
  bool saved = image.save(folder.filePath(name));
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(folder.filePath(name)));
  return saved;
}

class Session {
 public:
  Session() {
    qputenv("VORLINE_HOME", home_.filePath("app").toLocal8Bit());
    qputenv("VORLINE_RESOURCES_DIR", VORLINE_TEST_RESOURCES_DIR);
    AppStartup::_EarlyStartup();
    AppStartup::Application()->SetQuitOnLastWindowClosed(false);
    AppStartup::Application()->Launch({});
    window_ = std::dynamic_pointer_cast<FrmMain>(AppStartup::Application()->FrontWindow());
    // The drawing view goes to the window's view window, as the front end shows it.
    FrmMain* raw = window_.get();
    if (!window_->onShowView)
      window_->onShowView = [raw](const std::shared_ptr<Picture>& view) {
        ShowViewWindow(*raw, view);
      };
    activateWindow(*window_);
  }
  ~Session() {
    window_.reset();
    AppStartup::Shutdown();
  }

  FrmMain& window() { return *window_; }
  QWidget& view() { return *QtPlatform::peerOf(*window_).view(); }
  void typePad(const QString& text) {
    window_->Sourcetxt()->SetText("");
    typeText(*window_, text);
  }
  void run() { pressKey(*window_, Qt::Key_R, Qt::ControlModifier); }

  QtPlatform platform;
  ModalCloser closer;

 private:
  QTemporaryDir home_;
  std::shared_ptr<FrmMain> window_;
};

// A pad with results.
bool padShot(Session& s, const QDir& folder) {
  s.typePad(kPad);
  s.run();
  s.window().Sourcetxt()->SetSelStart(static_cast<int64_t>(std::string(kPad).size()));
  return save(windowPicture(s.view()), folder, "pad.png");
}

// An error: its message box over the window while the badge blinks in the corner.
bool errorShot(Session& s, const QDir& folder) {
  s.typePad("price = 12.5\nprice * (1 + 0.2\n");
  s.run();  // the first error starts the badge blinking
  QImage picture;
  QWidget* badge = dynamic_cast<QtControl&>(*s.window().imgERR()).view();
  s.closer.setPaused(true);
  QObject scope;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &scope, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !badge->isVisible()) return;
    picture = windowPicture(s.view(), box);
    box->accept();
  });
  poll.start(5);
  s.run();  // the second shows its box while the badge is on
  poll.stop();
  s.closer.setPaused(false);
  return !picture.isNull() && save(picture, folder, "error.png");
}

// A plot in its view window, beside the pad that drew it.
bool plotShot(Session& s, const QDir& folder) {
  s.typePad("plotYMax = 6\nplotYMin = -6\nplot sin(plotX) * 5\n");
  s.run();
  QtViewWindow* view = QtPlatform::peerOf(s.window()).viewWindow();
  if (!view) return false;
  QTest::qWait(100);
  QImage pad = windowPicture(s.view());
  QImage plot = windowPicture(*view);
  QImage picture(pad.width() + plot.width() + 16, std::max(pad.height(), plot.height()),
                 QImage::Format_RGB32);
  picture.fill(QColor(0x5a, 0x6e, 0x82));
  QPainter painter(&picture);
  painter.drawImage(0, 0, pad);
  painter.drawImage(pad.width() + 16, 0, plot);
  painter.end();
  return save(picture, folder, "plot.png");
}

// The variables listing of Calculator > Show Variables.
bool variablesShot(Session& s, const QDir& folder) {
  s.typePad(kPad);
  s.run();
  std::shared_ptr<MenuItem> item = s.window().mnuViewShowVariables();
  if (!item || !chooseMenuItem(s.platform, *item)) return false;
  QTest::qWait(50);
  bool saved = save(windowPicture(s.view()), folder, "variables.png");
  chooseMenuItem(s.platform, *item);
  return saved;
}

}  // namespace
}  // namespace vorline::qttest

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName("vorline");
  QApplication::setApplicationDisplayName("Vorline");
  QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  if (!folder.mkpath(".")) return 2;
  bool ok = true;
  {
    using namespace vorline::qttest;
    for (auto shot : {&padShot, &errorShot, &plotShot, &variablesShot}) {
      Session session;
      ok = shot(session, folder) && ok;
    }
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return ok ? 0 : 1;
}
