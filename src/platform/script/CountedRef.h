// A counted reference to an object of the VM that keeps its own count (a member refs, one when
// made). A run is on one thread, so the count is a plain integer; assigning a reference to the
// object it names already touches no count.
#pragma once

#include <cstdint>
#include <utility>

namespace vorline::script {

template <class T>
class CountedRef {
 public:
  CountedRef() = default;
  // Takes the one reference of a new object.
  explicit CountedRef(T* made) : p_(made) {}
  CountedRef(const CountedRef& o) : p_(o.p_) {
    if (p_) ++p_->refs;
  }
  CountedRef(CountedRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ~CountedRef() {
    if (p_) drop(p_);
  }
  // Inline even in the VM's dispatch loop, where every array argument passes through it.
  [[gnu::always_inline]] CountedRef& operator=(const CountedRef& o) {
    if (p_ == o.p_) return *this;
    if (o.p_) ++o.p_->refs;
    if (T* old = std::exchange(p_, o.p_)) drop(old);
    return *this;
  }
  CountedRef& operator=(CountedRef&& o) noexcept {
    if (this == &o) return *this;
    if (T* old = std::exchange(p_, std::exchange(o.p_, nullptr))) drop(old);
    return *this;
  }
  [[gnu::always_inline]] void reset() {
    if (T* old = std::exchange(p_, nullptr)) drop(old);
  }
  explicit operator bool() const { return p_ != nullptr; }
  T& operator*() const { return *p_; }
  T* operator->() const { return p_; }

 private:
  static void drop(T* p) {
    if (--p->refs == 0) destroy(p);
  }
  [[gnu::noinline]] static void destroy(T* p) { delete p; }

  T* p_ = nullptr;
};

}  // namespace vorline::script
