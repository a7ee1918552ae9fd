#include "platform/script/Ast.h"

namespace vorline::script {

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

// new[] aligns a block for any node; a larger request than a block gets one of its own size.
void* Arena::allocateInNewBlock(size_t bytes) {
  size_t size = bytes > kBlockSize ? bytes : kBlockSize;
  blocks_.push_back(std::unique_ptr<char[]>(new char[size]));
  cur_ = blocks_.back().get();
  left_ = size;
  char* p = cur_;
  cur_ += bytes;
  left_ -= bytes;
  return p;
}

}  // namespace vorline::script
