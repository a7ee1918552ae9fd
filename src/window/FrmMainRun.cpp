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
#include "platform/values/OutOfMemoryException.h"
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

// The prefix runs as one include block. A marker line in it would open a block that hides
// every pad line, or close the block early so that the rest of the prefix shows in the pad;
// each becomes an empty line, which the block ignores just as it did the marker. The prefix
// changes only when it is read, so the result is kept.
const std::string& prefixAsOneBlock() {
  static std::string source, block;
  if (source == Globals::prefixSource) return block;
  source = Globals::prefixSource;
  block.clear();
  for (size_t from = 0; from < source.size();) {
    size_t end = source.find('\n', from);
    if (end == std::string::npos) end = source.size();
    const std::string_view line(source.data() + from, end - from);
    if (!ckScriptConverter::IsIncludeMarker(line)) block += line;
    if (end < source.size()) block += '\n';
    from = end + 1;
  }
  return block;
}

// Line number (from 1) of text, without its line ending; empty past the end.
std::string_view lineOf(std::string_view text, int64_t number) {
  size_t start = 0;
  for (int64_t n = 1; n < number && start != std::string_view::npos; ++n) {
    start = text.find('\n', start);
    if (start != std::string_view::npos) ++start;
  }
  if (number < 1 || start == std::string_view::npos) return {};
  return text.substr(start, text.find('\n', start) - start);
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
  memoryBeforeRun_.reset();
  createdThisRun_.clear();
  compileFailed_ = false;
  std::string run = "#start_include";
  run += EndOfLine;
  run += prefixAsOneBlock();
  run += EndOfLine;
  run += "#end_include";
  run += EndOfLine;
  run += text;
  std::string script = myConverter->convertSource(std::move(run));
  if (flgDebugRun) writeDebugFile(script);
  runEngine(std::move(script));
  // No line ran, so no value was stored: what the conversion added or cleared is undone.
  if (compileFailed_) {
    if (memoryBeforeRun_) mem = std::move(*memoryBeforeRun_);
    forgetRedeclared(lineOf(script1()->Source, compileErrorLine_));
  }
  memoryBeforeRun_.reset();
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
int64_t FrmMain::msg_append_source_line(std::string_view line) {
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
// the stored spelling's answer, which the memory keeps, serves. An element is looked for under
// the name that setVar stores it by.
bool FrmMain::msg_memory_has_symbol(std::string_view name) {
  const int64_t index = MemorySource::HasBrackets(name)
                            ? mem.IndexOf(MemorySource::ScriptForm(name))
                            : mem.IndexOf(name);
  return index >= 0 && mem.KeyPasses(index, &MemorySource::IsKeptName);
}

// A name that cannot be a variable is declared for this run by the converter but not kept, so
// a mistyped line does not break every later run. A kept name holds the zero of its type until
// the script stores a value, so that later runs declare it as this one does.
void FrmMain::msg_memory_create_symbol(const std::string& name, const std::string& type) {
  if (!MemorySource::IsKeptName(name)) return;
  keepMemoryBeforeRun();
  createdThisRun_.emplace_back(MemorySource::IdentifierOf(name));
  Variant zero = type == "integer"  ? Variant::Int64(0)
                 : type == "string" ? Variant::String("")
                                    : Variant::Double(0);
  mem.SetValueWhere(MemorySource::ScriptForm(name), std::move(zero), &MemorySource::IsKeptName);
}

// The size of the declarations, which stores then keep up to date, counts the plain ones as
// the conversion began and the arrays as it ends.
std::string FrmMain::msg_memory_get_symbol_declares() {
  MemorySource::Parts parts = MemorySource::Declarations(mem);
  declarationBytes_ = static_cast<int64_t>(parts.plain.size());
  return std::move(parts.plain);
}

std::string FrmMain::msg_memory_get_array_declares() {
  std::string arrays = MemorySource::ArrayDeclarations(mem);
  declarationBytes_ += static_cast<int64_t>(arrays.size());
  return arrays;
}

std::string FrmMain::getMemAsSource() {
  MemorySource::Parts parts = MemorySource::Declarations(mem);
  return parts.plain + parts.arrays;
}

// The first change of a conversion keeps the memory as it was, for a run that fails to compile.
void FrmMain::keepMemoryBeforeRun() {
  if (!memoryBeforeRun_) memoryBeforeRun_ = mem;
}

// A compile error at a declaration of a name that the memory kept before this run, with no name
// of it added by this run, is a clash of the prefix's or the pad's own declaration with a
// stored value: the entry goes, or every later run would fail the same way. (A clash with a
// name that this run added went with the run.)
void FrmMain::forgetRedeclared(std::string_view line) {
  const std::string text = Trim(line);
  if (text.size() < 4 || !TextEquals(std::string_view(text).substr(0, 4), "dim ")) return;
  const std::string declared = Trim(std::string_view(text).substr(4));
  const std::string_view name = MemorySource::IdentifierOf(declared);
  const std::string_view after = std::string_view(declared).substr(name.size());
  if (name.empty() || !(after.empty() || after[0] == ' ' || after[0] == '(')) return;
  for (const std::string& created : createdThisRun_)
    if (TextEquals(created, name)) return;
  std::vector<std::string> clashing;
  for (int64_t i = 0; i < mem.Count(); ++i)
    if (TextEquals(MemorySource::IdentifierOf(mem.Key(i)), name)) clashing.push_back(mem.Key(i));
  for (const std::string& key : clashing) mem.Remove(key);
}

// The next run declares every kept entry, so a store that would carry the memory past what a
// script may declare (with room left for the prefix and the pad) ends the run instead.
void FrmMain::storeVariable(const std::string& name, int64_t index, Variant value) {
  if (index < 0 && mem.Count() >= kMaxMemoryEntries)
    throw OutOfMemoryException("the variables memory keeps at most " + Str(kMaxMemoryEntries) +
                               " variables");
  // A known entry keeps the memory's answer, asked once in its life.
  if (index >= 0 ? mem.KeyPasses(index, &MemorySource::IsKeptName)
                 : MemorySource::IsKeptName(name)) {
    // A pad run again stores mostly the values it stored before: those change no declaration.
    int64_t bytes = declarationBytes_;
    if (index < 0 || !MemorySource::DeclaresAlike(mem.ValueAt(index), value)) {
      bytes += MemorySource::DeclarationBytes(name, value);
      if (index >= 0) bytes -= MemorySource::DeclarationBytes(name, mem.ValueAt(index));
    }
    if (bytes > kMaxMemoryDeclarationBytes)
      throw OutOfMemoryException("the variables memory keeps at most " +
                                 Str(kMaxMemoryDeclarationBytes) + " bytes of declarations");
    declarationBytes_ = bytes;
  }
  ckGlueOwner::storeVariable(name, index, std::move(value));
}

void FrmMain::msg_memory_reset() {
  keepMemoryBeforeRun();
  vrln_doClearMem();
}

void FrmMain::doReset() { vrln_doClearMem(); }

// A new memory holds "ans" = 0, a Double, as the declarations declare it.
void FrmMain::seedMemory() {
  mem = Dictionary();
  mem.SetValue("ans", Variant::Double(0));
  declarationBytes_ = 0;
  vrln_doInitializeVariables();
}

void FrmMain::vrln_doClearMem() {
  seedMemory();
  if (myGlue) myGlue->ResetGlue();
}

}  // namespace vorline
