// Test doubles for the glue: an owner that records what the glue prints and signals, UI
// services that record message boxes, and scratch folders in place of the user's own.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "glue/ckGlue.h"
#include "platform/services/Date.h"
#include "platform/ui/UiServices.h"

namespace vorline::gluetest {

// The window's side of the glue: prints go to entries of a source-line list, as the window's
// doPrint appends them.
class TestOwner : public ckGlueOwner {
 public:
  std::vector<std::string> printed;  // every text doPrint got, in order
  int errors = 0;                    // DoERR calls
  std::string currentPath;           // what msg_get_current_path answers

  void doPrint(const std::string& text) override { printed.push_back(text); }
  void DoERR() override { ++errors; }
  std::string msg_get_current_path() override { return currentPath; }
};

// Message boxes are recorded and return at once; the clipboard is a string.
class RecordingUi : public vorline::UiServices {
 public:
  std::vector<std::string> boxes;
  std::optional<std::string> clipboard;

  void msgBox(const std::string& text) override { boxes.push_back(text); }
  void beep() override {}
  std::string clipboardText() override { return clipboard.value_or(""); }
  void setClipboardText(const std::string& text) override { clipboard = text; }
};

// Sets environment variables for one test and puts the old values back afterwards.
class EnvScope {
 public:
  void set(const char* name, const std::string& value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv(name, value.c_str(), 1);
    tzset();
  }
  ~EnvScope() {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
    tzset();
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// A glue with a test owner, recording UI services, UTC as the time zone, US English as the
// locale, and a scratch home and application folder.
class GlueFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    root = scratch.path().toStdString();
    for (const char* sub : {"home/Desktop", "app/data", "app/includes", "pads/sub"})
      QDir().mkpath(QString::fromStdString(root + "/" + sub));
    env.set("HOME", root + "/home");
    env.set("XDG_CONFIG_HOME", root + "/home/.config");
    env.set("VORLINE_HOME", root + "/app");
    env.set("TZ", "UTC");
    vorline::Date::SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    vorline::installUiServices(&ui);
    owner.opPrecision = 4;
    owner.currentPath = root + "/pads/";
    glue.owner = &owner;
  }
  void TearDown() override {
    vorline::installUiServices(nullptr);
    vorline::Date::UseSystemLocale();
  }

  QTemporaryDir scratch;
  std::string root;
  EnvScope env;
  RecordingUi ui;
  TestOwner owner;
  ckGlue glue;
};

}  // namespace vorline::gluetest
