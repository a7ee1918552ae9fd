// A text file open for writing. What is written reaches the file exactly, byte for byte, with
// nothing added; Close finishes the file.
#pragma once

#include <memory>
#include <string>

class QFile;

namespace vorline {

class TextOutputStream {
 public:
  // Creates the file, or empties an existing one; null when that is not possible.
  static std::shared_ptr<TextOutputStream> Create(const std::string& path);
  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  // Writes the text unchanged; false once a write has failed.
  bool Write(const std::string& text);
  // Writes the text followed by EndOfLine.
  bool WriteLine(const std::string& text);
  // Flushes and closes; false when any write or the flush failed.
  bool Close();

 private:
  explicit TextOutputStream(std::unique_ptr<QFile> file);
  std::unique_ptr<QFile> file_;
  bool ok_ = true;
};

}  // namespace vorline
