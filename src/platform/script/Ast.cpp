#include "platform/script/Ast.h"

namespace vorline::script {

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

// new[] aligns a block for any node; a larger request than a block gets one of its own size.
void* Arena::allocateInNewBlock(size_t bytes) {
  size_t size = bytes > kBlockSize ? bytes : kBlockSize;
  blocks_.push_back(std::unique_ptr<char[]>(new char[size]));
  char* p = blocks_.back().get();
  cur_ = p + bytes;
  end_ = p + size;
  return p;
}

}  // namespace vorline::script
