// The program's document types: pad files (.vrl), its own, and text files (.txt), which it
// reads and writes as well. Registered once at early start-up, before the application object
// exists.
#pragma once

#include <memory>
#include <vector>

#include "platform/files/FileType.h"

namespace vorline {

class FileTypes1 {
 public:
  // Creates both types, sets them up, lists them and registers them, VRL first.
  static void _Initialize();

  // The two types; nullptr until _Initialize has run.
  static std::shared_ptr<FileType> VRL() { return pVRL; }
  static std::shared_ptr<FileType> TextFile() { return pTextFile; }
  // VRL, then TextFile, once _Initialize has run.
  static const std::vector<std::shared_ptr<FileType>>& AllFileTypes() { return pAllFileTypes; }

 private:
  static std::shared_ptr<FileType> makeType(const char* name, const char* extensions,
                                            bool imported);

  static inline std::shared_ptr<FileType> pVRL;
  static inline std::shared_ptr<FileType> pTextFile;
  static inline std::vector<std::shared_ptr<FileType>> pAllFileTypes;
};

}  // namespace vorline
