// ckGlue: script files and paths, the shell, the clipboard, patterns and URL encoding. Every
// call stands alone: its file, shell or pattern object lives only for the call.
#include <string>

#include "glue/ckGlue.h"
#include "glue/ckScriptPath.h"
#include "platform/files/TextInputStream.h"
#include "platform/files/TextOutputStream.h"
#include "platform/script/ScriptEngine.h"
#include "platform/services/RegEx.h"
#include "platform/services/Shell.h"
#include "platform/text/EncodeURLComponent.h"
#include "platform/text/TextOps.h"
#include "platform/ui/UiServices.h"
#include "platform/values/IOException.h"
#include "platform/values/NilObjectException.h"
#include "platform/values/OutOfMemoryException.h"
#include "platform/values/RegExException.h"

namespace vorline {

// Writes the text exactly, with nothing added; a file that cannot be made is skipped in
// silence, while a write that fails part-way is an I/O error of the script. So is a path that
// names a pipe or a device: writing there could wait for ever, and it is refused at once.
void ckGlue::writeFile(const std::string& scriptPath, const std::string& text) {
  std::shared_ptr<FolderItem> f = pathToFolderitem(scriptPath);
  if (!f) return;
  vorline::TextOutputStream::Failure failure{};
  std::shared_ptr<vorline::TextOutputStream> out =
      f->CreateTextFile(vorline::TextOutputStream::Links::Follow, &failure);
  if (failure == vorline::TextOutputStream::Failure::NotRegular)
    throw vorline::IOException("cannot write " + f->NativePath() + ": not a regular file");
  if (!out) return;
  bool written = out->Write(text);
  bool closed = out->Close();
  if (!written || !closed) throw vorline::IOException("cannot write " + f->NativePath());
}

// The pad's folder: the parent of its file, else the default folder; "" without an owner.
std::string ckGlue::path() {
  if (!owner) return "";
  std::shared_ptr<FolderItem> folder =
      owner->theFile ? owner->theFile->Parent()
                     : vorline::GetFolderItem("", vorline::PathMode::Relative);
  if (!folder) throw vorline::NilObjectException();
  return folder->ShellPath();
}

// Runs the command through the shell; carriage returns come back as line feeds.
std::string ckGlue::shellExec(const std::string& command) {
  vorline::Shell shell;
  shell.ShouldStop = shouldStop;
  shell.Execute(command);
  if (shell.WasStopped()) vorline::RaiseError(vorline::RuntimeErrorCode::Stopped);
  return vorline::ReplaceAllB(shell.Result(), "\r", "\n");
}

void ckGlue::setClipboard(const std::string& text) { vorline::ui().setClipboardText(text); }

std::string ckGlue::getClipboard() { return vorline::ui().clipboardText(); }

// True when the pattern matches somewhere in the subject; a pattern the engine rejects is
// reported through raiseERR and gives False.
bool ckGlue::rgex(const std::string& subject, const std::string& pattern, bool caseSensitive) {
  try {
    vorline::RegEx re;
    re.Options.CaseSensitive = caseSensitive;
    re.SearchPattern = pattern;
    return re.Search(subject).has_value();
  } catch (const vorline::RegExException& e) {
    raiseERR(e.Message);
    return false;
  }
}

std::string ckGlue::urlEncode(const std::string& text) { return vorline::EncodeURLComponent(text); }

// The file's whole text, unchanged; "" for a file that is missing or cannot be opened.
std::string ckGlue::readFile(const std::string& scriptPath) {
  std::shared_ptr<FolderItem> f = pathToFolderitem(scriptPath);
  if (!f || !f->Exists()) return "";
  // No String may be longer than the engine's limit, so no read goes past it either: a file that
  // reports no length and reads on without end (/proc/self/pagemap) reads as nothing.
  const int64_t limit = vorline::ScriptLimits{}.maxStringBytes;
  if (f->Length() > limit)
    throw vorline::OutOfMemoryException("a file longer than " + std::to_string(limit) + " bytes");
  std::shared_ptr<vorline::TextInputStream> in = f->OpenAsTextFile(static_cast<size_t>(limit));
  if (!in) return "";
  std::string text = in->ReadAll();
  in->Close();
  return text;
}

// The item that a script path names (see ckScriptPath); may name an entry not there yet.
std::shared_ptr<FolderItem> ckGlue::pathToFolderitem(const std::string& scriptPath) {
  if (!owner) throw vorline::NilObjectException();
  std::string currentText = owner->msg_get_current_path();
  ckScriptPath resolver(currentText, vorline::GetFolderItem(currentText, vorline::PathMode::Shell));
  return vorline::GetFolderItem(resolver.finish(scriptPath), vorline::PathMode::Shell);
}

}  // namespace vorline
