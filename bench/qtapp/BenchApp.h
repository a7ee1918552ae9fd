// The real program in process for a benchmark on the offscreen Qt platform: the Qt
// application, the start-up sequence and the application object with its first calculator
// window, in an application folder of its own. Shuts the program down when it goes.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/App.h"
#include "platform/qt/QtPlatform.h"
#include "window/FrmMain.h"

namespace vorline {

class BenchApp {
 public:
  BenchApp(int& argc, char** argv);
  ~BenchApp();
  BenchApp(const BenchApp&) = delete;
  BenchApp& operator=(const BenchApp&) = delete;

  App& app() { return *app_; }
  // The calculator window in front.
  std::shared_ptr<FrmMain> front() const;

 private:
  QApplication qt_;
  QTemporaryDir home_;
  std::unique_ptr<QtPlatform> platform_;
  App* app_ = nullptr;
};

}  // namespace vorline
