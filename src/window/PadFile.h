// The pad file: plain text, read line by line and written whole. Reading ends every line with
// EndOfLine, the last one too; writing puts the pad's text in the file byte for byte and never
// destroys the previous file: the text goes to a temporary file in the same folder, which then
// takes the old file's place in one rename.
#pragma once

#include <optional>
#include <string>

namespace vorline {

class FolderItem;

class PadFile {
 public:
  // The file's lines, each followed by EndOfLine; nothing when it cannot be opened as text.
  static std::optional<std::string> Read(const FolderItem& file);
  // Writes text as the file's whole content; false, with the old file as it was, when the file
  // or its folder cannot be written.
  static bool Write(const FolderItem& file, const std::string& text);
};

}  // namespace vorline
