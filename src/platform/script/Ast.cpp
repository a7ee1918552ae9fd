#include "platform/script/Ast.h"

namespace vorline::script {

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

void* Arena::allocateInNewBlock(size_t bytes, size_t align) {
  size_t size = bytes + align > kBlockSize ? bytes + align : kBlockSize;
  blocks_.push_back(std::unique_ptr<char[]>(new char[size]));
  cur_ = blocks_.back().get();
  left_ = size;
  size_t pad = (align - (reinterpret_cast<uintptr_t>(cur_) & (align - 1))) & (align - 1);
  char* p = cur_ + pad;
  cur_ = p + bytes;
  left_ -= bytes + pad;
  return p;
}

}  // namespace vorline::script
