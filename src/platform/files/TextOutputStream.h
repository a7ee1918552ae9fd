// A text file open for writing. What is written reaches the file exactly, byte for byte, with
// nothing added; Close finishes the file. Only a regular file, or a new one, is ever opened, and
// opening never waits: a named pipe or a device at the path is refused, not written.
#pragma once

#include <memory>
#include <string>

class QFile;

namespace vorline {

class TextOutputStream {
 public:
  // Whether a symbolic link at the path is followed to its target or refused.
  enum class Links { Follow, Refuse };
  // Why Create gave no stream.
  enum class Failure {
    None,
    NotRegular,  // the path names something other than a regular file (a pipe, a device, a
                 // refused link)
    Other,       // a folder, a bad name, no permission, no room
  };

  // Creates the file, or empties an existing one; null when that is not possible, with the
  // reason in failure when one is given.
  static std::shared_ptr<TextOutputStream> Create(const std::string& path,
                                                  Links links = Links::Follow,
                                                  Failure* failure = nullptr);
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
