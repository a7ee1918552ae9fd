// Runs pads through one headless calculator window, as a user would: the application starts
// (prefix from the application folder's includes), one window opens, and each pad is put into
// it and run by Calculator > Run or by the Enter key. What the user would see afterwards comes
// back as one line of JSON: the pad, the message boxes, the beeps and the variables memory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vorline {

class FrmMain;
class HeadlessPlatform;

struct PadRunOptions {
  // The application folder; none: $VORLINE_HOME, else a fresh temporary folder.
  std::optional<std::string> home;
  std::optional<int64_t> precision;  // Calculator > Precision item, 0 to 12
  std::optional<int64_t> mode;       // Calculator > Output item, 0 or 1
  int64_t runs = 1;                  // how often each pad is run
  std::optional<int64_t> enterLine;  // Enter at the end of this line (from 1), not Run
};

class PadRunner {
 public:
  // Starts the application and opens its window; throws std::runtime_error when it cannot.
  explicit PadRunner(const PadRunOptions& options);
  ~PadRunner();
  PadRunner(const PadRunner&) = delete;
  PadRunner& operator=(const PadRunner&) = delete;

  // Puts the text into the window's pad, runs it and reports, as one JSON object.
  std::string RunText(const std::string& padText);
  // The same for a pad file read as the application reads it; nothing when it cannot be read.
  std::optional<std::string> RunFile(const std::string& path);

  FrmMain& window() const { return *window_; }
  HeadlessPlatform& platform() const { return *platform_; }
  const std::string& home() const { return home_; }

  // The report of the window's state: {"pad", "messages", "beeps", "memory"}.
  std::string Report() const;
  // A JSON string literal of the text (invalid UTF-8 taken as Latin-1).
  static std::string JsonString(const std::string& text);

 private:
  void start();
  void release();
  void chooseSettings();
  void runOnce();

  PadRunOptions options_;
  std::string home_;
  std::string temporaryRoot_;  // removed at the end; "" when the home is the caller's
  std::unique_ptr<HeadlessPlatform> platform_;
  std::shared_ptr<FrmMain> window_;
};

}  // namespace vorline
