// Fuzzes the whole run: the input becomes a pad and a few choices, and one headless calculator
// window runs it as a user would, then runs it again or runs an empty pad, so values cross the
// variables memory. A last run reads every plain number and string of the memory back into the
// memory. Each input starts from a reset memory and a fresh application folder.
//
// Input: byte 0 the precision ((byte - '0') mod 13), byte 1 the choices ((byte - '0'): bit 0
// output mode 1, bit 1 run the pad again rather than an empty pad, bit 2 run the first time by
// Enter rather than Calculator > Run), byte 2 the Enter line ((byte - '0') mod the pad's lines,
// from 1); the rest is the pad text.
//
// Beyond ending without a fault, every input must keep these:
// - the pad after each run has one line per line the run registered;
// - no escaped exception ("Unexpected error: ");
// - an empty pad after any pad compiles, and so does the read-back run;
// - a number or string that the memory declares, plain or as an array element, comes back
//   exactly and with its type (a Double bit for bit, any NaN as a NaN);
// - a run that fails to compile leaves the memory as it was;
// - a further run of the pad takes the lines it shows, and leaves them as they were, their
//   results cut: the lines as the Qt pad shows them, broken at every character it breaks at.
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "WriteGuard.h"
#include "app/App.h"
#include "app/AppStartup.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/services/Shell.h"
#include "platform/text/TextOps.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TextArea.h"
#include "shell/Globals.h"
#include "window/FrmMain.h"
#include "window/MemorySource.h"
#include "window/ScriptEngineControl.h"

namespace fs = std::filesystem;
using vorline::FrmMain;
using vorline::Variant;

namespace {

struct Choices {
  int64_t precision = 4;
  int64_t mode = 0;
  bool padAgain = false;
  bool byEnter = false;
  int64_t enterSelector = 0;
  std::string pad;
};

int64_t choiceByte(const uint8_t* data, size_t size, size_t at) {
  return at < size ? static_cast<uint8_t>(data[at] - '0') : 0;
}

Choices decode(const uint8_t* data, size_t size) {
  Choices c;
  c.precision = choiceByte(data, size, 0) % 13;
  const int64_t flags = choiceByte(data, size, 1);
  c.mode = flags & 1;
  c.padAgain = (flags & 2) != 0;
  c.byEnter = (flags & 4) != 0;
  c.enterSelector = choiceByte(data, size, 2);
  if (size > 3) c.pad.assign(reinterpret_cast<const char*>(data) + 3, size - 3);
  return c;
}

// The process-wide state: the scratch folders, the platform and the one window.
struct Harness {
  fs::path root;
  std::string prefix;  // the shipped prefix, restored into each fresh application folder
  std::unique_ptr<vorline::HeadlessPlatform> platform;
  std::shared_ptr<FrmMain> window;
  int64_t compileErrors = 0;
  std::vector<int64_t> runtimeErrors;  // the numbers of the run-time errors, in order
  std::set<std::string> prefixNames;   // what the prefix stores into a new memory, lower case
};

Harness* harness = nullptr;

void removeScratch() {
  std::error_code ignored;
  if (harness) fs::remove_all(harness->root, ignored);
}

void writeFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// The application folder and the home folder as a first start leaves them, with include files
// for `use` lines that define, assign and bring themselves in.
void freshFolders() {
  std::error_code ignored;
  fs::remove_all(harness->root / "app", ignored);
  fs::remove_all(harness->root / "home", ignored);
  const fs::path includes = harness->root / "app/includes";
  writeFile(includes / "prefix.vrl", harness->prefix);
  writeFile(includes / "lib.vrl", "def twice(x) x*2\nk = 3\n$s = \"[k]\"\nuse lib\n");
  writeFile(includes / "other.vrl", "use lib\nif k>2 k = k+1\n");
  writeFile(includes / "money.vrl", "use other\ndef tax(x) x*k\n@print chr(8233) + \"m\"\n");
  fs::create_directories(harness->root / "app/data");
  fs::create_directories(harness->root / "home/Desktop");
}

void writeOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

// Reports the broken invariant with the pad, the memory and the message boxes, and ends the
// process, so that libFuzzer keeps the input.
[[noreturn]] void fail(const std::string& what, const std::string& pad) {
  FrmMain& w = *harness->window;
  writeOut("fuzz_window: " + what + "\n--- pad ---\n" + pad + "\n--- memory ---\n" +
           w.getMemAsSource() + "--- messages ---\n");
  for (const std::string& m : harness->platform->messages()) writeOut(m + "\n");
  removeScratch();  // abort runs no exit handlers
  std::abort();
}

// The run-time errors of the engine's budgets.
constexpr int64_t kOutOfMemory = 6;
constexpr int64_t kStopped = 8;

// A source-line list that no run leaves behind: a run's entries never hold a line break.
const std::vector<std::string> kNoRun = {"\n"};

struct RunResult {
  bool ran = false;
  int64_t compileErrors = 0;
  int64_t runtimeError = 0;  // the number of the error that ended the run, 0 for none
};

// Checks what every run must leave: the pad rebuilt from its registered lines, one line each,
// and no exception escaped.
void checkAfterRun(const RunResult& result, const std::string& pad) {
  FrmMain& w = *harness->window;
  for (const std::string& m : harness->platform->messages())
    if (m.rfind(vorline::kUnexpectedErrorPrefix, 0) == 0) fail("an exception escaped the run", pad);
  if (!result.ran) return;
  const std::string text = w.Sourcetxt()->Text();
  size_t lines = 0;
  for (const std::string& entry : w.parseSource) {
    if (entry.find('\n') != std::string::npos) fail("a registered line holds a line break", pad);
    ++lines;
  }
  size_t padLines =
      text.empty() && lines <= 1 ? lines : 1 + std::count(text.begin(), text.end(), '\n');
  if (padLines != lines)
    fail("the pad has " + std::to_string(padLines) + " lines for " + std::to_string(lines) +
             " registered lines",
         pad);
}

// Every entry of the memory with its type and its exact value.
std::string memoryDump() {
  const vorline::Dictionary& mem = harness->window->mem;
  std::string dump;
  for (int64_t i = 0; i < mem.Count(); ++i) {
    const Variant& v = mem.ValueAt(i);
    char number[64];
    std::snprintf(number, sizeof number, "%d %a %lld", static_cast<int>(v.type()),
                  v.isNumber() ? v.toDouble() : 0.0,
                  v.isInteger() ? static_cast<long long>(v.int64Value()) : 0LL);
    dump += mem.Key(i) + "\t" + number + "\t" + (v.isString() ? v.stringValue() : "") + "\n";
  }
  return dump;
}

RunResult runPad(const std::string& text, bool byEnter, int64_t enterSelector) {
  FrmMain& w = *harness->window;
  const std::string memoryBefore = memoryDump();
  vorline::App* app = vorline::AppStartup::Application();
  harness->platform->clearMessages();
  w.Sourcetxt()->SetText(text);
  w.parseSource = kNoRun;
  const int64_t errorsBefore = harness->compileErrors;
  harness->runtimeErrors.clear();
  WriteGuard::setOn(true);
  if (byEnter) {
    const int64_t lines = vorline::CountFields(text, vorline::EndOfLine);
    const int64_t line = 1 + enterSelector % std::max<int64_t>(lines, 1);
    std::string before;
    for (int64_t i = 1; i <= line; ++i) {
      if (i > 1) before += vorline::EndOfLine;
      before += vorline::NthField(text, vorline::EndOfLine, i);
    }
    w.Sourcetxt()->SetSelStart(vorline::Len(before));
    harness->platform->sendKey(w, vorline::Keys::Enter);
  } else {
    app->MenuItemChosen("mnuRun");
  }
  WriteGuard::setOn(false);
  RunResult result;
  result.ran = w.parseSource != kNoRun;
  result.compileErrors = harness->compileErrors - errorsBefore;
  if (!harness->runtimeErrors.empty()) result.runtimeError = harness->runtimeErrors.back();
  checkAfterRun(result, text);
  if (result.compileErrors && memoryDump() != memoryBefore)
    fail("a run that failed to compile changed the memory", text);
  return result;
}

// Appends the lines of the text as the Qt pad shows them, each cut at its first "//" and
// trimmed.
void appendShownLines(const std::string& text, std::vector<std::string>& lines) {
  for (size_t from = 0;;) {
    const size_t at = vorline::TextArea::FindLineBreak(text, from);
    const std::string line = text.substr(from, at == std::string::npos ? at : at - from);
    lines.push_back(vorline::Trim(line.substr(0, line.find("//"))));
    if (at == std::string::npos) return;
    from = at + vorline::TextArea::LineBreakAt(text, at);
  }
}

std::vector<std::string> shownLines(const std::string& text) {
  std::vector<std::string> lines;
  appendShownLines(text, lines);
  return lines;
}

// The lines that the last run took from the pad, as the pad shows them. The converter splits
// at LF, so the entries are joined as the pad joins them again before they are split where the
// pad breaks: the CR of a CRLF break is that break, and a CR of its own is one.
std::vector<std::string> registeredLines() {
  if (harness->window->parseSource.empty()) return {};
  std::string text;
  for (const std::string& entry : harness->window->parseSource) {
    if (&entry != &harness->window->parseSource.front()) text += '\n';
    text.append(entry, 0, entry.find("//"));
  }
  return shownLines(text);
}

// The names that the memory declares as plain variables or array elements of a number or a
// string, with their values: the declarations decide, as they skip entries that would clash.
std::vector<std::pair<std::string, Variant>> declaredValues() {
  FrmMain& w = *harness->window;
  std::vector<std::pair<std::string, Variant>> values;
  const std::string declarations = w.getMemAsSource();
  size_t at = 0;
  while (at < declarations.size()) {
    size_t end = declarations.find('\n', at);
    if (end == std::string::npos) end = declarations.size();
    const std::string line = declarations.substr(at, end - at);
    at = end + 1;
    const bool plain = line.rfind("dim ", 0) == 0;
    const size_t cut = plain ? line.find(" as ") : line.find(") = ") + 1;
    const std::string name = plain ? line.substr(4, cut - 4) : line.substr(0, cut);
    if (cut == 0 || (plain && name.find('(') != std::string::npos)) continue;
    if (harness->prefixNames.count(vorline::Lowercase(name))) continue;
    const Variant value = w.mem.Lookup(name, Variant());
    if (value.isNumber() || value.isString()) values.emplace_back(name, value);
  }
  return values;
}

bool sameValue(const Variant& before, const Variant& after) {
  if (before.isString()) return after.isString() && after.stringValue() == before.stringValue();
  if (before.isInteger()) return after.isInteger() && after.int64Value() == before.int64Value();
  if (!after.isFloat()) return false;
  const double want = before.toDouble(), got = after.toDouble();
  if (std::isnan(want)) return std::isnan(got);
  return std::memcmp(&want, &got, sizeof want) == 0;
}

std::string shown(const Variant& value) {
  if (value.isString()) return "\"" + value.stringValue() + "\"";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g (%s)", value.toDouble(),
                value.isFloat()     ? "double"
                : value.isInteger() ? "integer"
                                    : "other");
  return buffer;
}

// A pad of raw script lines that store each declared value back under its own name. A memory
// whose declarations exceed the fuzz run's small budgets (an array entry of many elements) ends
// the run before the values are read; nothing is compared then.
void checkReadBack(const std::string& pad) {
  const auto values = declaredValues();
  std::string echo;
  for (const auto& [name, value] : values) echo += "@setVar \"" + name + "\", " + name + "\n";
  RunResult result = runPad(echo, false, 0);
  if (result.compileErrors) fail("the read-back run after the pad did not compile", pad);
  if (result.runtimeError == kOutOfMemory || result.runtimeError == kStopped) return;
  if (result.runtimeError)
    fail("the read-back run ended with run-time error " + std::to_string(result.runtimeError), pad);
  FrmMain& w = *harness->window;
  for (const auto& [name, before] : values) {
    const Variant after = w.mem.Lookup(name, Variant());
    if (!sameValue(before, after))
      fail("memory entry " + name + " was " + shown(before) + ", came back " + shown(after), pad);
  }
}

void resetWindow(const Choices& c) {
  vorline::App* app = vorline::AppStartup::Application();
  if (WriteGuard::allowedWrites() > 0) freshFolders();
  WriteGuard::resetCounts();
  app->MenuItemChosen("mnuCalculatorReset");
  app->MenuItemChosen("mnupre", c.precision);
  app->MenuItemChosen("mnuMode", c.mode);
  harness->platform->setClipboardText("");
  harness->platform->clearMessages();
  harness->platform->clearBeeps();
}

// The engine's budgets for one run: small enough that a loop or a growing value ends soon as a
// run-time error.
void limitEngine(vorline::ScriptEngine& engine) {
  engine.Limits.maxSteps = 100000;
  engine.Limits.maxCallDepth = 200;
  engine.Limits.maxStringBytes = 1024 * 1024;
  engine.Limits.maxArrayElements = 100000;
  engine.Limits.maxAllocatedBytes = 16 * 1024 * 1024;
}

void start() {
  harness = new Harness;
  std::string pattern = (fs::temp_directory_path() / "vorline-fuzz-window-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  harness->root = pattern;
  std::atexit(removeScratch);
  setenv("HOME", (harness->root / "home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (harness->root / "home/.config").c_str(), 1);
  setenv("XDG_DATA_HOME", (harness->root / "home/.local/share").c_str(), 1);
  setenv("VORLINE_HOME", (harness->root / "app").c_str(), 1);
  // Shell commands run nothing; their output is empty.
  vorline::installShellRunner(
      [](const std::string&, const std::function<bool()>&) { return vorline::ShellOutcome{}; });

  harness->platform = std::make_unique<vorline::HeadlessPlatform>();
  vorline::Globals::prefixSource.clear();
  vorline::AppStartup::_EarlyStartup();  // a first start: copies the shipped prefix
  std::ifstream in(harness->root / "app/includes/prefix.vrl", std::ios::binary);
  harness->prefix.assign(std::istreambuf_iterator<char>(in), {});
  freshFolders();
  vorline::App* app = vorline::AppStartup::Application();
  app->SetQuitOnLastWindowClosed(false);
  app->Launch({});
  harness->window = std::dynamic_pointer_cast<FrmMain>(app->FrontWindow());
  if (!harness->window) std::abort();
  vorline::ScriptEngineControl& engine = *harness->window->script1();
  limitEngine(engine);
  auto shown = engine.CompilerError;
  engine.CompilerError = [shown](const vorline::ScriptLocation& at, int64_t code,
                                 const std::string& info) {
    ++harness->compileErrors;
    return shown ? shown(at, code, info) : false;
  };
  auto reported = engine.RuntimeError;
  engine.RuntimeError = [reported](const vorline::RuntimeException& error) {
    harness->runtimeErrors.push_back(error.ErrorNumber);
    if (reported) reported(error);
  };
  WriteGuard::allowOnly(harness->root.string());

  // What the prefix stores by itself into a new memory is its own, not a value read back.
  runPad("", false, 0);
  FrmMain& w = *harness->window;
  for (int64_t i = 0; i < w.mem.Count(); ++i)
    if (w.mem.Key(i) != "ans") harness->prefixNames.insert(vorline::Lowercase(w.mem.Key(i)));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  start();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Choices c = decode(data, size);
  resetWindow(c);
  const bool ran = runPad(c.pad, c.byEnter, c.enterSelector).ran;
  FrmMain& w = *harness->window;
  if (c.padAgain) {
    const std::vector<std::string> before = shownLines(w.Sourcetxt()->Text());
    const bool again = runPad(w.Sourcetxt()->Text(), false, 0).ran;
    if (ran && again &&
        (registeredLines() != before || shownLines(w.Sourcetxt()->Text()) != before))
      fail("a further run added, dropped or changed a line of the pad", c.pad);
  } else if (runPad("", false, 0).compileErrors) {
    fail("an empty pad after the pad did not compile", c.pad);
  }
  checkReadBack(c.pad);
  harness->platform->advance(2000);  // the error badge ends its blinking
  return 0;
}
