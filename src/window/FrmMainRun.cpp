// FrmMain: the evaluation run, the source-line list and the variables memory.

#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/files/FolderItem.h"
#include "platform/files/SpecialFolder.h"
#include "platform/files/TextOutputStream.h"
#include "platform/text/TextOps.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/UiToolkit.h"
#include "shell/Globals.h"
#include "window/FrmMain.h"
#include "window/MemorySource.h"
#include "window/ScriptEngineControl.h"

namespace vorline {
namespace {

// Room that a source line keeps beyond its text for the results printed after it: enough for
// the usual one result, so that printing it does not move the line.
constexpr size_t kPrintRoom = 32;

// A printed text stays on its pad line: it may hold no character that the pad breaks at.
bool holdsLineBreak(std::string_view text) {
  return TextArea::FindLineBreak(text, 0) != std::string_view::npos;
}

// Ends the platform's busy state when the run is over, however it ends.
struct BusyScope {
  ~BusyScope() {
    if (hasToolkit()) toolkit().busyEnd();
  }
};

}  // namespace

void FrmMain::doExecute(const std::string& text) {
  std::swap(parseSource, spareLines_);
  parseSource.clear();
  nextSpareLine_ = 0;
  outputBudget_.Reset();
  exPrintLine = 0;
  flgDebugRun = false;
  std::string run = "#start_include";
  run += EndOfLine;
  run += Globals::prefixSource;
  run += EndOfLine;
  run += "#end_include";
  run += EndOfLine;
  run += text;
  std::string script = myConverter->convertSource(std::move(run));
  if (flgDebugRun) writeDebugFile(script);
  runEngine(std::move(script));
  int64_t caret = Sourcetxt()->SelStart();
  getResultText();
  Sourcetxt()->SetSelStart(caret);
}

void FrmMain::runEngine(std::string script) {
  std::shared_ptr<ScriptEngineControl> engine = script1();
  engine->Source = std::move(script);
  engine->Context = myGlue.get();
  BusyScope busy;
  engine->Run();
}

// The script goes to debug_source.txt on the Desktop; a file that cannot be made is skipped.
// Only a regular file of that name is written: a link there (to a pad, say) or a pipe is left
// alone.
void FrmMain::writeDebugFile(const std::string& script) const {
  std::shared_ptr<FolderItem> desktop = SpecialFolder::Desktop();
  std::shared_ptr<FolderItem> file = desktop ? desktop->Child("debug_source.txt") : nullptr;
  if (!file) return;
  std::shared_ptr<TextOutputStream> stream = file->CreateTextFile(TextOutputStream::Links::Refuse);
  if (!stream) return;
  stream->Write(script);
  stream->Close();
}

void FrmMain::getResultText() {
  std::string text;
  size_t size = 0;
  for (const std::string& line : parseSource) size += line.size() + EndOfLine.size();
  text.reserve(size);
  for (size_t i = 0; i < parseSource.size(); ++i) {
    if (i > 0) text += EndOfLine;
    text += parseSource[i];
  }
  Sourcetxt()->SetText(text);
}

// A print while exPrintLine names no entry (prefix code printing before any pad line, or a
// script tagging a number of its own) has no line to go to and is dropped. What reaches a line
// is bounded (RunOutputBudget), so a runaway print loop cannot make the pad huge.
void FrmMain::doPrint(const std::string& text) {
  if (exPrintLine < 0 || exPrintLine >= static_cast<int64_t>(parseSource.size())) return;
  const auto index = static_cast<size_t>(exPrintLine);
  std::string flat;
  std::string_view printed = text;
  if (holdsLineBreak(text)) printed = flat = TextArea::OneLine(text);
  const RunOutputBudget::Share share = outputBudget_.Admit(index, printed);
  if (share.dropped) return;
  std::string& line = parseSource[index];
  const size_t needed =
      line.size() + 3 + share.keep + (share.cut ? RunOutputBudget::kMark.size() : 0);
  reserveForPrint(line, needed);
  line.append(" //").append(printed.substr(0, share.keep));
  if (share.cut) line.append(RunOutputBudget::kMark);
}

// One allocation for all parts; doubling keeps many prints on one line linear. The room a line
// grows by is the run's: it is charged to the run's memory budget before it is taken, so what a
// run holds in its results counts with everything else it holds.
void FrmMain::reserveForPrint(std::string& line, size_t needed) {
  if (needed <= line.capacity()) return;
  const size_t grown = std::max(needed, 2 * line.capacity());
  if (myGlue) myGlue->chargeRun(static_cast<int64_t>(grown - line.capacity()));
  line.reserve(grown);
}

void FrmMain::script1_Print(ScriptEngine&, const std::string& text) { doPrint(text); }

// Results go to lines with code: an empty line (or one that was all comment) gets no room.
int64_t FrmMain::msg_append_source_line(const std::string& line) {
  if (nextSpareLine_ < spareLines_.size())
    parseSource.push_back(std::move(spareLines_[nextSpareLine_++]));
  else
    parseSource.emplace_back();
  std::string& entry = parseSource.back();
  if (!line.empty() && entry.capacity() < line.size() + kPrintRoom) {
    entry.clear();
    entry.reserve(line.size() + kPrintRoom);
  }
  entry.assign(line);
  return static_cast<int64_t>(parseSource.size()) - 1;
}

std::string FrmMain::appendLine(const std::string& line) {
  return "tagLine " + Str(msg_append_source_line(line)) + std::string(EndOfLine);
}

// The pad's folder, or the default folder for a pad without a file (or one at the root).
std::string FrmMain::msg_get_current_path() {
  std::shared_ptr<FolderItem> folder = theFile ? theFile->Parent() : nullptr;
  if (!folder) folder = GetFolderItem("");
  return folder ? folder->ShellPath() : std::string();
}

void FrmMain::msg_set_debug_flag(bool flag) { flgDebugRun = flag; }

// A name that is not kept counts as absent even when a script stored it, so the converter
// declares it for every run that uses it. Names equal but for letter case are kept alike, so
// the stored spelling's answer, which the memory keeps, serves.
bool FrmMain::msg_memory_has_symbol(const std::string& name) {
  const int64_t index = mem.IndexOf(name);
  return index >= 0 && mem.KeyPasses(index, &MemorySource::IsKeptName);
}

// A name that cannot be a variable is declared for this run by the converter but not kept, so
// a mistyped line does not break every later run.
void FrmMain::msg_memory_create_symbol(const std::string& name) {
  mem.SetValueWhere(name, Variant::Int64(0), &MemorySource::IsKeptName);
}

std::string FrmMain::msg_memory_get_symbol_declares() { return getMemAsSource(); }

std::string FrmMain::getMemAsSource() { return MemorySource::Declarations(mem); }

void FrmMain::msg_memory_reset() { vrln_doClearMem(); }

void FrmMain::doReset() { vrln_doClearMem(); }

void FrmMain::vrln_doClearMem() {
  mem = Dictionary();
  mem.SetValue("ans", Variant::Int64(0));
  vrln_doInitializeVariables();
  if (myGlue) myGlue->ResetGlue();
}

}  // namespace vorline
