// Arrays of the VM: creation within the size limits, checked indexes, growing and shrinking.
#include <algorithm>
#include <utility>

#include "platform/script/Vm.h"

namespace vorline::script {

size_t ArrayObj::size() const {
  switch (bank()) {
    case Bank::Str:
      return strs.size();
    case Bank::Var:
      return vars.size();
    default:
      return nums.size();
  }
}

namespace {

// What a Variant holds beside itself: a String's own copy of its text.
uint64_t textBytes(const Variant& v) { return v.isString() ? v.stringValue().capacity() : 0; }

}  // namespace

void ArrayObj::setVariant(size_t i, const Variant& v) {
  variantText -= textBytes(vars[i]);
  vars[i] = v;
  variantText += textBytes(vars[i]);
  settle();
}

void ArrayObj::recountVariantText() {
  variantText = 0;
  for (const Variant& v : vars) variantText += textBytes(v);
}

void ArrayObj::settle() {
  uint64_t now = nums.capacity() * sizeof(Num) + strs.capacity() * sizeof(ScriptString) +
                 vars.capacity() * sizeof(Variant) + variantText +
                 bounds.capacity() * sizeof(int64_t) + sizeof(ArrayObj);
  budget->settle(std::exchange(charged, now), now);
}

void Vm::nilArray() { RaiseError(RuntimeErrorCode::NilObject, "the array has not been made"); }

namespace {

// Elements of the given bounds, or -1 when the product passes limit.
int64_t elementCount(const Num* bounds, int dims, int64_t limit) {
  int64_t total = 1;
  for (int d = 0; d < dims; ++d) {
    int64_t n = bounds[d].i + 1;
    if (n < 0) return -2;
    if (n != 0 && total > limit / n) return -1;
    total *= n;
  }
  return total;
}

}  // namespace

ArrayRef Vm::newArray(BaseType elem, const Num* bounds, int dims) {
  int64_t total = elementCount(bounds, dims, limits_.maxArrayElements);
  if (total == -2) RaiseError(RuntimeErrorCode::OutOfBounds, "an array bound below -1");
  if (total < 0 || total > limits_.maxArrayElements) {
    RaiseError(RuntimeErrorCode::OutOfMemory,
               "an array of more than " + std::to_string(limits_.maxArrayElements) + " elements");
  }
  ArrayRef a(new ArrayObj(&memory_));
  a->elem = elem;
  for (int d = 0; d < dims; ++d) a->bounds.push_back(bounds[d].i);
  auto n = static_cast<size_t>(total);
  switch (a->bank()) {
    case Bank::Str:
      memory_.require(n * sizeof(ScriptString));
      a->strs.resize(n);
      break;
    case Bank::Var:
      memory_.require(n * sizeof(Variant));
      a->vars.resize(n);
      break;
    default:
      memory_.require(n * sizeof(Num));
      a->nums.assign(n, Num{0});
      break;
  }
  a->settle();
  return a;
}

// Every String element shares the one value's buffer.
void Vm::fillArray(ArrayObj& a, const Num* n, const ScriptString* s, const Variant* v) {
  if (n) std::fill(a.nums.begin(), a.nums.end(), *n);
  if (s) std::fill(a.strs.begin(), a.strs.end(), *s);
  if (v) {
    memory_.require(textBytes(*v) * a.vars.size());
    std::fill(a.vars.begin(), a.vars.end(), *v);
    a.variantText = textBytes(*v) * a.vars.size();
    a.settle();
  }
}

void Vm::checkIndex(const ArrayObj* a, int64_t i) {
  if (i < 0 || static_cast<uint64_t>(i) >= a->size()) {
    RaiseError(RuntimeErrorCode::OutOfBounds,
               "index " + std::to_string(i) + " of an array of " + std::to_string(a->size()));
  }
}

int64_t Vm::flatIndex(const ArrayObj* a, const Num* idx, int count) {
  if (static_cast<size_t>(count) != a->bounds.size())
    RaiseError(RuntimeErrorCode::OutOfBounds, "wrong number of indexes");
  int64_t flat = 0;
  for (size_t d = 0; d < a->bounds.size(); ++d) {
    int64_t n = a->bounds[d] + 1;
    int64_t i = idx[d].i;
    if (i < 0 || i >= n) {
      RaiseError(RuntimeErrorCode::OutOfBounds,
                 "index " + std::to_string(i) + " of an array of " + std::to_string(n));
    }
    flat = flat * n + i;
  }
  return flat;
}

void Vm::grow(ArrayObj& a, size_t extra) {
  if (a.size() + extra > static_cast<uint64_t>(limits_.maxArrayElements)) {
    RaiseError(RuntimeErrorCode::OutOfMemory,
               "an array of more than " + std::to_string(limits_.maxArrayElements) + " elements");
  }
  // A vector that grows may double its storage.
  size_t elementBytes = a.bank() == Bank::Str
                            ? sizeof(ScriptString)
                            : (a.bank() == Bank::Var ? sizeof(Variant) : sizeof(Num));
  size_t capacity = a.bank() == Bank::Str
                        ? a.strs.capacity()
                        : (a.bank() == Bank::Var ? a.vars.capacity() : a.nums.capacity());
  if (a.size() + extra > capacity)
    memory_.require(std::max(a.size() + extra, 2 * a.size()) * elementBytes);
}

// Inserts at index at (-1: at the end) of a one-dimensional array.
void Vm::insertElement(ArrayObj& a, int64_t at, const Num* n, const ScriptString* s,
                       const Variant* v) {
  if (a.bounds.size() != 1)
    RaiseError(RuntimeErrorCode::OutOfBounds, "only one-dimensional arrays grow");
  size_t size = a.size();
  if (at == -1) at = static_cast<int64_t>(size);
  if (at < 0 || static_cast<uint64_t>(at) > size) {
    RaiseError(RuntimeErrorCode::OutOfBounds,
               "index " + std::to_string(at) + " of an array of " + std::to_string(size));
  }
  grow(a, 1);
  auto pos = static_cast<size_t>(at);
  if (n) a.nums.insert(a.nums.begin() + static_cast<std::ptrdiff_t>(pos), *n);
  if (s) a.strs.insert(a.strs.begin() + static_cast<std::ptrdiff_t>(pos), *s);
  if (v) {
    a.vars.insert(a.vars.begin() + static_cast<std::ptrdiff_t>(pos), *v);
    a.variantText += textBytes(*v);
  }
  a.bounds[0] = static_cast<int64_t>(size);
  a.settle();
}

void Vm::removeElement(ArrayObj& a, int64_t at) {
  if (a.bounds.size() != 1)
    RaiseError(RuntimeErrorCode::OutOfBounds, "only one-dimensional arrays shrink");
  checkIndex(&a, at);
  auto pos = static_cast<std::ptrdiff_t>(at);
  switch (a.bank()) {
    case Bank::Str:
      a.strs.erase(a.strs.begin() + pos);
      break;
    case Bank::Var:
      a.variantText -= textBytes(a.vars[static_cast<size_t>(at)]);
      a.vars.erase(a.vars.begin() + pos);
      break;
    default:
      a.nums.erase(a.nums.begin() + pos);
      break;
  }
  a.bounds[0] -= 1;
  a.settle();
}

// New bounds; a one-dimensional array keeps its elements up to the new size.
void Vm::redimArray(ArrayObj& a, const Num* bounds, int dims) {
  int64_t total = elementCount(bounds, dims, limits_.maxArrayElements);
  if (total == -2) RaiseError(RuntimeErrorCode::OutOfBounds, "an array bound below -1");
  if (total < 0 || total > limits_.maxArrayElements) {
    RaiseError(RuntimeErrorCode::OutOfMemory,
               "an array of more than " + std::to_string(limits_.maxArrayElements) + " elements");
  }
  auto n = static_cast<size_t>(total);
  if (n > a.size()) grow(a, n - a.size());
  bool keep = dims == 1;
  switch (a.bank()) {
    case Bank::Str:
      if (!keep) a.strs.clear();
      a.strs.resize(n);
      break;
    case Bank::Var:
      if (!keep) a.vars.clear();
      a.vars.resize(n);
      a.recountVariantText();
      break;
    default:
      if (!keep) a.nums.clear();
      a.nums.resize(n, Num{0});
      break;
  }
  a.settle();
  for (int d = 0; d < dims; ++d) a.bounds[static_cast<size_t>(d)] = bounds[d].i;
}

}  // namespace vorline::script
