#include "PadRunner.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "app/App.h"
#include "app/AppStartup.h"
#include "platform/files/FolderItem.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/text/TextOps.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TextArea.h"
#include "shell/Globals.h"
#include "window/FrmMain.h"
#include "window/PadFile.h"

namespace vorline {
namespace fs = std::filesystem;
namespace {

// The caret offset at the end of line n (from 1) of text, or the end of the text.
int64_t endOfLine(const std::string& text, int64_t n) {
  size_t at = 0;
  for (int64_t line = 1; line < n; ++line) {
    size_t next = text.find(EndOfLine, at);
    if (next == std::string::npos) return Len(text);
    at = next + EndOfLine.size();
  }
  size_t end = text.find(EndOfLine, at);
  return Len(std::string_view(text).substr(0, end == std::string::npos ? text.size() : end));
}

std::string kindOf(const Variant& value) {
  if (value.isString()) return "string";
  if (value.isInteger()) return "int64";
  if (value.isFloat()) return "double";
  return "other";
}

std::string valueText(const Variant& value) {
  if (value.isString()) return value.stringValue();
  if (value.isInteger() && !value.isUnsigned()) return Str(value.int64Value());
  if (value.isNumber()) return Str(value.toDouble());
  return "0";
}

}  // namespace

PadRunner::PadRunner(const PadRunOptions& options) : options_(options) {
  const char* env = std::getenv("VORLINE_HOME");
  if (options.home) {
    home_ = fs::absolute(*options.home).string();
  } else if (env && *env) {
    home_ = env;
  } else {
    std::string pattern = (fs::temp_directory_path() / "padrun-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    temporaryRoot_ = pattern;
    home_ = (fs::path(pattern) / "vorline").string();  // not there yet: a first start
  }
  setenv("VORLINE_HOME", home_.c_str(), 1);
  try {
    start();
  } catch (...) {
    release();
    throw;
  }
}

void PadRunner::start() {
  platform_ = std::make_unique<HeadlessPlatform>();
  Globals::prefixSource.clear();
  AppStartup::_EarlyStartup();
  App* app = AppStartup::Application();
  app->SetQuitOnLastWindowClosed(false);
  app->Launch({});
  window_ = std::dynamic_pointer_cast<FrmMain>(app->FrontWindow());
  if (!window_) throw std::runtime_error("the application opened no calculator window");
  chooseSettings();
}

// Lets the application and the platform go and removes a temporary application folder.
void PadRunner::release() {
  window_.reset();
  AppStartup::Shutdown();
  platform_.reset();
  if (!temporaryRoot_.empty()) {
    std::error_code ignored;
    fs::remove_all(temporaryRoot_, ignored);
    temporaryRoot_.clear();
  }
}

PadRunner::~PadRunner() { release(); }

void PadRunner::chooseSettings() {
  App* app = AppStartup::Application();
  if (options_.precision) app->MenuItemChosen("mnupre", *options_.precision);
  if (options_.mode) app->MenuItemChosen("mnuMode", *options_.mode);
  platform_->clearMessages();
  platform_->clearBeeps();
}

void PadRunner::runOnce() {
  if (!options_.enterLine) {
    AppStartup::Application()->MenuItemChosen("mnuRun");
    return;
  }
  std::shared_ptr<TextArea> pad = window_->Sourcetxt();
  pad->SetSelStart(endOfLine(pad->Text(), *options_.enterLine));
  platform_->sendKey(*window_, Keys::Enter);
}

std::string PadRunner::RunText(const std::string& padText) {
  platform_->clearMessages();
  platform_->clearBeeps();
  window_->Sourcetxt()->SetText(padText);
  for (int64_t i = 0; i < options_.runs; ++i) runOnce();
  // Let the error badge finish blinking, as it would before the next pad.
  platform_->advance(2000);
  return Report();
}

std::optional<std::string> PadRunner::RunFile(const std::string& path) {
  std::optional<std::string> text = PadFile::Read(FolderItem(fs::absolute(path).string()));
  if (!text) return std::nullopt;
  return RunText(*text);
}

std::string PadRunner::Report() const {
  std::string json = "{\"pad\": " + JsonString(window_->Sourcetxt()->Text()) + ", \"messages\": [";
  const auto& messages = platform_->messages();
  for (size_t i = 0; i < messages.size(); ++i) json += (i ? ", " : "") + JsonString(messages[i]);
  json += "], \"beeps\": " + std::to_string(platform_->beeps()) + ", \"memory\": [";
  const Dictionary& mem = window_->mem;
  for (int64_t i = 0; i < mem.Count(); ++i) {
    const Variant& value = mem.ValueAt(i);
    json += (i ? ", [" : "[") + JsonString(mem.Key(i)) + ", " + JsonString(kindOf(value)) + ", " +
            JsonString(valueText(value)) + "]";
  }
  return json + "]}";
}

std::string PadRunner::JsonString(const std::string& raw) {
  const std::string text = IsValidUtf8(raw) ? raw : Latin1ToUtf8(raw);
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

}  // namespace vorline
