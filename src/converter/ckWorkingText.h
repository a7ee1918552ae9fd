// The text that a conversion still has to read, line by line, with the include blocks that
// "use" and "include" lines splice in after themselves. Reading is linear in the size of the
// text: the unread rest is a stack of pieces, the newest splice on top, and a splice never
// copies what is already there.
//
// Each spliced piece remembers the canonical path of its file, so a line can tell which files'
// splices it stands in, however the include markers inside them nest. A budget bounds the
// splices of one conversion.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorline {

class ckWorkingText {
 public:
  static constexpr size_t kMaxSplices = 1000;
  static constexpr size_t kMaxBytes = size_t{16} * 1024 * 1024;

  explicit ckWorkingText(std::string text);

  // The next line, without its line ending; false after the last line. The empty text has no
  // line; a text ending in a line ending has an empty last line. The view stays valid until
  // the next call of nextLine or splice.
  bool nextLine(std::string_view& line);

  // Whether the line read last stands inside the splice of the file with that canonical path.
  bool insideSpliceOf(const std::string& path) const;
  // Whether the line read last stands inside any splice.
  bool insideSplice() const;
  // Whether a block of that many bytes may still be spliced in (splice count and size budget).
  bool canSplice(size_t bytes) const;
  // The most bytes a block may still have (0 once the splice count is spent).
  size_t spliceBytesLeft() const;
  // Puts the block right after the line read last, so that its lines are read next. After the
  // last line (which has no line ending) a line ending comes first, even for an empty block.
  void splice(std::string block, std::string path);

  size_t spliceCount() const { return splices_; }
  size_t size() const { return bytes_; }

 private:
  struct Piece {
    std::string text;
    size_t pos = 0;    // bytes read so far
    std::string path;  // canonical path of the spliced file; "" for the text handed in
  };

  std::vector<Piece> pieces_;  // the unread rest, the piece read next last
  std::string joined_;         // a line that runs across pieces
  bool ended_ = false;         // the line read last was the text's last line
  size_t bytes_ = 0;           // the working text's size, splices included
  size_t splices_ = 0;
};

}  // namespace vorline
