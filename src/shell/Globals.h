// The shell's module state: the prefix source, the pad text that is placed ahead of every run
// in every window, read once from "prefix.vrl" in the "includes" folder when the application
// opens.
#pragma once

#include <string>

namespace vorline {

class Globals {
 public:
  // Every line of the prefix file, each followed by EndOfLine; empty when there is no file.
  static inline std::string prefixSource;

  // The shell's initialisation step (the application's Open event): loads the prefix.
  static void vrln_Initialize();
  // Appends the lines of includes/prefix.vrl to prefixSource; a missing or unreadable file
  // leaves it as it was, without a word.
  static void vrln_DoLoadPrefix();
};

}  // namespace vorline
