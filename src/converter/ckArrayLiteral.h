// The scan of one array literal in braces ("{1, 2}", "{{1,2},{3,4}}"): the element lines that
// assign it position by position, and the declaration of the array with the highest position
// of each nesting level as its bound.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorline {

class ckArrayLiteral {
 public:
  // Nesting levels past this one make the literal too deep to convert: one element line per
  // element names every level, so unbounded depth would let the script grow quadratically.
  static constexpr size_t kMaxDepth = 32;

  // Scans lit (which begins with "{") for the array called name, exactly as written.
  ckArrayLiteral(std::string_view name, std::string_view lit);

  bool tooDeep() const { return tooDeep_; }
  // The element lines in scan order, each ended by EndOfLine; possibly none.
  const std::string& elementLines() const { return lines_; }
  // "dim " name "(" bounds ")" " as variant", ended by EndOfLine.
  std::string declaration() const;

 private:
  void openLevel();
  void closeElement();
  void nextPosition();

  std::string name_;
  std::string lines_;
  std::string element_;
  int64_t level_ = -1;             // the level being scanned; -1 before the first "{"
  std::vector<int64_t> position_;  // per level: the position being gathered
  std::vector<int64_t> highest_;   // per level: the highest position reached
  bool tooDeep_ = false;
};

}  // namespace vorline
