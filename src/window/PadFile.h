// The pad file: plain text, read line by line and written whole. Reading ends every line with
// EndOfLine, the last one too, and stops at the longest pad the engine could run; writing puts
// the pad's text in the file byte for byte and does not destroy the previous file: the text
// goes to a temporary file in the same folder, which then takes the old file's place in one
// rename, with its owner and permissions. Where the folder takes no temporary file for want of
// a name or of permission, or where a rename would split a file's hard links or replace what is
// not a regular file, the file is written in place, and only once room for the whole text is
// reserved.
#pragma once

#include <optional>
#include <string>

namespace vorline {

class FolderItem;

class PadFile {
 public:
  // The file's lines, each followed by EndOfLine; nothing when it cannot be opened as text or
  // holds more than the engine's source limit.
  static std::optional<std::string> Read(const FolderItem& file);
  // Writes text as the file's whole content; false when the file cannot be written, the old
  // file being as it was (a failure after room was reserved in place, an I/O error, aside).
  static bool Write(const FolderItem& file, const std::string& text);
};

}  // namespace vorline
