// The memory one run holds at once: Strings, arrays and register stacks charge what they
// allocate and give it back when they free it. Past the limit the run ends with "Out of memory".
#pragma once

#include <cstdint>

namespace vorline::script {

class MemoryBudget {
 public:
  explicit MemoryBudget(int64_t limit = 0) : limit_(limit > 0 ? static_cast<uint64_t>(limit) : 0) {}

  // Fails (run-time error OutOfMemory) when this many more bytes would pass the limit.
  void require(uint64_t bytes) const {
    if (limit_ != 0 && (bytes > limit_ || held_ > limit_ - bytes)) fail();
  }
  // Counts bytes that are allocated now; fails when the total passes the limit.
  void charge(uint64_t bytes) {
    held_ += bytes;
    if (limit_ != 0 && held_ > limit_) fail();
  }
  void credit(uint64_t bytes) { held_ = bytes > held_ ? 0 : held_ - bytes; }
  // Moves the charge of one object from `was` bytes to `now` bytes.
  void settle(uint64_t was, uint64_t now) {
    if (now > was)
      charge(now - was);
    else
      credit(was - now);
  }
  uint64_t held() const { return held_; }

 private:
  [[noreturn]] void fail() const;

  uint64_t limit_;
  uint64_t held_ = 0;
};

}  // namespace vorline::script
