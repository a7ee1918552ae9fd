#include "converter/ckWorkingText.h"

#include <algorithm>

#include "platform/text/TextOps.h"

namespace vorline {

ckWorkingText::ckWorkingText(std::string text) : bytes_(text.size()) {
  ended_ = text.empty();
  if (!text.empty()) pieces_.push_back(Piece{std::move(text), 0, {}});
}

bool ckWorkingText::nextLine(std::string_view& line) {
  if (ended_) return false;
  // A piece read to its end stays until now: the line read last belonged to it.
  while (!pieces_.empty() && pieces_.back().pos >= pieces_.back().text.size()) pieces_.pop_back();
  bool joining = false;
  joined_.clear();
  while (!pieces_.empty()) {
    Piece& piece = pieces_.back();
    const size_t eol = piece.text.find(vorline::EndOfLine, piece.pos);
    if (eol != std::string::npos) {
      const std::string_view part(piece.text.data() + piece.pos, eol - piece.pos);
      piece.pos = eol + vorline::EndOfLine.size();
      line = joining ? std::string_view(joined_.append(part)) : part;
      return true;
    }
    // Only a piece that does not end with a line ending continues in the piece below it.
    joined_.append(piece.text, piece.pos);
    joining = true;
    pieces_.pop_back();
  }
  ended_ = true;
  line = joined_;
  return true;
}

bool ckWorkingText::insideSpliceOf(const std::string& path) const {
  for (const Piece& piece : pieces_)
    if (!piece.path.empty() && piece.path == path) return true;
  return false;
}

bool ckWorkingText::insideSplice() const {
  return std::any_of(pieces_.begin(), pieces_.end(),
                     [](const Piece& piece) { return !piece.path.empty(); });
}

bool ckWorkingText::canSplice(size_t bytes) const {
  return splices_ < kMaxSplices && bytes <= kMaxBytes &&
         bytes_ + bytes + vorline::EndOfLine.size() <= kMaxBytes;
}

size_t ckWorkingText::spliceBytesLeft() const {
  const size_t used = bytes_ + vorline::EndOfLine.size();
  if (splices_ >= kMaxSplices || used >= kMaxBytes) return 0;
  return kMaxBytes - used;
}

void ckWorkingText::splice(std::string block, std::string path) {
  if (ended_) {
    ended_ = false;
    bytes_ += vorline::EndOfLine.size();
  }
  if (block.empty()) return;
  bytes_ += block.size();
  ++splices_;
  pieces_.push_back(Piece{std::move(block), 0, std::move(path)});
}

}  // namespace vorline
