// The pad file: plain text, read line by line and written whole. Reading ends every line with
// EndOfLine, the last one too; writing puts the pad's text in the file byte for byte and does
// not destroy the previous file: the text goes to a temporary file in the same folder, which
// then takes the old file's place in one rename. Where the folder takes no temporary file, the
// file is written in place, and then only a failure after its first byte can harm it.
#pragma once

#include <optional>
#include <string>

namespace vorline {

class FolderItem;

class PadFile {
 public:
  // The file's lines, each followed by EndOfLine; nothing when it cannot be opened as text.
  static std::optional<std::string> Read(const FolderItem& file);
  // Writes text as the file's whole content; false when the file cannot be written, the old
  // file being as it was unless writing in place failed after its first byte.
  static bool Write(const FolderItem& file, const std::string& text);
};

}  // namespace vorline
