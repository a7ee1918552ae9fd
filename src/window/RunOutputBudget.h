// What one run may write into the pad: each line's results up to kLineChars characters, and all
// of the run's results together up to kRunBytes bytes. The result that crosses a bound is cut
// there and ends in the mark "…"; the run's later results for that line (past the whole bound,
// for every line) are dropped, so a runaway print loop leaves a pad that stays quick to edit.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vorline {

class RunOutputBudget {
 public:
  static constexpr size_t kLineChars = 4000;
  static constexpr size_t kRunBytes = 2 * 1024 * 1024;
  static constexpr std::string_view kMark = "\xE2\x80\xA6";  // "…"

  // How much of one printed text goes to its line after the separator " //": its first `keep`
  // bytes, then the mark when `cut`; nothing at all (not even the separator) when `dropped`.
  struct Share {
    size_t keep = 0;
    bool cut = false;
    bool dropped = true;
  };

  // A new run: no line has results yet.
  void Reset();
  // Takes a printed text for the line of that index; the separator counts with it.
  Share Admit(size_t line, std::string_view printed);

 private:
  static constexpr size_t kClosed = static_cast<size_t>(-1);
  std::vector<size_t> lineChars_;  // per line: characters of results so far, or kClosed
  size_t runBytes_ = 0;
  bool runClosed_ = false;
};

}  // namespace vorline
