// A text file open for reading, line by line or whole. The file is read at once when it is
// opened; valid UTF-8 is read as it is and each byte that is not is read as a Latin-1
// character, so no byte is lost.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vorline {

class TextInputStream {
 public:
  // A stream over text already decoded to UTF-8 (what OpenAsTextFile makes).
  explicit TextInputStream(std::string text) : text_(std::move(text)) {}
  // The most a text file may hold unless its reader names a bound of its own: as much source
  // text as the script engine accepts, so any pad or prefix that could run can be read.
  static constexpr size_t kMaxBytes = 64ull * 1024 * 1024;

  // Opens the file at the path; null when it is not a regular file, cannot be read without
  // blocking, or holds more than maxBytes (files under /proc may report length 0 and never end).
  static std::shared_ptr<TextInputStream> Open(const std::string& path,
                                               size_t maxBytes = kMaxBytes);

  // True once every line has been read (at once for an empty file). The framework calls it
  // EOF, which C reserves for a macro.
  bool IsEOF() const { return closed_ || pos_ >= text_.size(); }
  // The next line without its line ending; a line ends at CR, LF or CR LF. "" at the end.
  std::string ReadLine();
  // The rest of the text, line endings included.
  std::string ReadAll();
  void Close();

 private:
  std::string text_;
  size_t pos_ = 0;
  bool closed_ = false;
};

}  // namespace vorline
