#include "shell/Globals.h"

#include "platform/files/FolderItem.h"
#include "platform/files/TextInputStream.h"
#include "platform/text/TextOps.h"

namespace vorline {

void Globals::vrln_Initialize() { vrln_DoLoadPrefix(); }

void Globals::vrln_DoLoadPrefix() {
  std::shared_ptr<FolderItem> dir = GetFolderItem("includes", PathMode::Relative);
  if (!dir) return;
  std::shared_ptr<FolderItem> file = dir->Child("prefix.vrl");
  if (!file) return;
  std::shared_ptr<TextInputStream> stream = file->OpenAsTextFile();
  if (!stream) return;
  while (!stream->IsEOF()) {
    prefixSource += stream->ReadLine();
    prefixSource += EndOfLine;
  }
  stream->Close();
}

}  // namespace vorline
