// The program's entry: a Qt application on the desktop, the Qt platform installed, then the
// start-up sequence and the event loop. Files named on the command line open, each in a window
// of its own; without any, a new pad opens.
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/AppStartup.h"
#include "app/AppVersion.h"
#include "platform/files/FolderItem.h"
#include "platform/qt/QtPlatform.h"

namespace {

// Qt aborts the process without a display; say why and how to run anyway instead.
bool haveDisplay() {
  return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// The files of the command line; Qt has taken its own options out already.
std::vector<std::shared_ptr<vorline::FolderItem>> documentsOf(const QStringList& arguments) {
  std::vector<std::shared_ptr<vorline::FolderItem>> documents;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString path = QFileInfo(arguments[i]).absoluteFilePath();
    documents.push_back(std::make_shared<vorline::FolderItem>(path.toStdString()));
  }
  return documents;
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::fprintf(stderr,
                 "vorline: no display; set DISPLAY (or run with QT_QPA_PLATFORM=offscreen)\n");
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("vorline");
  QApplication::setApplicationDisplayName("Vorline");
  QApplication::setApplicationVersion(vorline::kAppVersion);
  QGuiApplication::setDesktopFileName("vorline");
  int exitCode;
  {
    vorline::QtPlatform platform;
    exitCode = vorline::AppStartup::_Main(documentsOf(QApplication::arguments()));
    vorline::AppStartup::Shutdown();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return exitCode;
}
